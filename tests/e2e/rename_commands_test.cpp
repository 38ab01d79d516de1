// Rename (N), the batch renames (H, W, R, Between, case), Make Folder (K),
// Make File (Ctrl+K), Attribute (A), Timestamp (T), the time copies and the
// volume label, driven by keyboard; each step compares the files' bytes.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

using Contents = std::map<std::wstring, std::string>;

std::string narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

std::string describe(const Contents& c) {
    std::string out;
    for (const auto& [name, bytes] : c) out += narrow(name) + "=" + bytes + " ";
    return out;
}

struct Running {
    ListFixture f;
    std::wstring folder;  // where the program starts, no trailing backslash
    TarveloApp app;
    // prepare (optional) builds more files and returns the start folder.
    explicit Running(const std::wstring& name, const std::function<std::wstring(ListFixture&)>& prepare = {})
        : f(name), folder(prepare ? prepare(f) : f.data), app(f.box, L"\"" + folder + L"\\\"") {}
    bool ready() {
        if (!app.waitForMainWindow()) return false;
        bringToFront(app.mainWindow());
        return waitForCursorPath(folder + L"\\..");
    }
    std::wstring path(const std::wstring& relative) const { return folder + L"\\" + relative; }
    HWND waitForDialog(const std::wstring& caption, std::chrono::milliseconds timeout = 15s) {
        HWND found = nullptr;
        waitUntil([&] {
            found = app.findMessageBox();
            return found && windowText(found) == caption;
        }, timeout);
        if (!found && timeout >= 15s) screenshot(GetDesktopWindow(), L"renames-no-dialog");
        return found;
    }
    // A command is dropped while the reload after the last one runs: send
    // it again until its dialog comes.
    HWND open(const std::function<void()>& trigger, const std::wstring& caption) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            bringToFront(app.mainWindow());
            trigger();
            if (HWND shown = waitForDialog(caption, 4s)) return shown;
        }
        return waitForDialog(caption);
    }
    HWND openByKey(WORD key, const std::wstring& caption, bool ctrl = false) {
        return open([&] { pressKey(key, ctrl); }, caption);
    }
    HWND openByCommand(int command, const std::wstring& caption) {
        return open([&] { PostMessageW(app.mainWindow(), WM_COMMAND, static_cast<WPARAM>(command), 0); }, caption);
    }
    // The dialog and its buttons drawn, before a screenshot.
    void shoot(HWND dialog, const std::wstring& name) {
        waitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, IDCANCEL)) != FALSE; }, 5s);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &ignored);
        // Wine draws another process's buttons a moment after the ping.
        Sleep(150);
        screenshot(dialog, name);
    }
    bool waitGone(HWND dialog) { return waitUntil([&] { return !IsWindow(dialog); }, 15s); }
    bool idle() { return waitUntil([&] { return app.responsive() && app.findMessageBox() == nullptr; }, 15s); }
    bool cursorOnFile(const std::wstring& name, int fromLast) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            bringToFront(app.mainWindow());
            pressKey('Q', true);
            pressKey(VK_END);
            for (int i = 0; i < fromLast; ++i) pressKey(VK_UP);
            if (waitForCursorPath(path(name), 3s)) return true;
        }
        return false;
    }
    // The files of the start folder with their exact names and bytes.
    Contents files() const {
        Contents out;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(path(L"*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return out;
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) out[fd.cFileName] = readFileBytes(path(fd.cFileName));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        return out;
    }
    bool filesBecome(const Contents& expected) {
        return waitUntil([&] { return files() == expected; }, 15s);
    }
    // Ctrl+A until the selection (read back through Ctrl+B) is exactly the
    // listed files.
    bool selectAll(const Contents& expected) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            bringToFront(app.mainWindow());
            pressKey('A', true);
            const std::wstring text = copyWith('B');
            size_t lines = 0;
            for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2)) ++lines;
            bool all = lines == expected.size();
            for (const auto& [name, bytes] : expected) all = all && text.find(path(name) + L"\r\n") != std::wstring::npos;
            if (all) return true;
            Sleep(500);
        }
        return false;
    }
};

// File times exactly as stored (100 ns ticks), read without opening the
// file's data (a read could move its access time).
struct StoredTimes {
    uint64_t created = 0, accessed = 0, modified = 0;
    bool operator==(const StoredTimes&) const = default;
};

uint64_t ticks(const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

FILETIME fileTime(uint64_t t) { return {static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)}; }

uint64_t localTicks(int y, int mo, int d, int h, int mi, int s) {
    SYSTEMTIME st{static_cast<WORD>(y), static_cast<WORD>(mo), 0, static_cast<WORD>(d),
                  static_cast<WORD>(h), static_cast<WORD>(mi), static_cast<WORD>(s), 0};
    FILETIME local{}, utc{};
    SystemTimeToFileTime(&st, &local);
    LocalFileTimeToFileTime(&local, &utc);
    return ticks(utc);
}

StoredTimes readTimes(const std::wstring& path) {
    StoredTimes out;
    HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return out;
    FILETIME c{}, a{}, m{};
    if (GetFileTime(h, &c, &a, &m)) out = {ticks(c), ticks(a), ticks(m)};
    CloseHandle(h);
    return out;
}

bool writeTimes(const std::wstring& path, const StoredTimes& t) {
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const FILETIME c = fileTime(t.created), a = fileTime(t.accessed), m = fileTime(t.modified);
    const bool ok = SetFileTime(h, &c, &a, &m) != 0;
    CloseHandle(h);
    return ok;
}

constexpr uint64_t kSecond = 10'000'000;

TEST(RenameCommands, ReplaceCollisionRenameMakeFolderAndFile) {
    Running r(L"renames-keys");
    ASSERT_TRUE(r.ready());
    const std::string a1(300, 'a'), b2(100, 'b'), c3(200, 'c');

    // H over everything: b2.txt would become c3.txt, which exists: both stay
    // and the report lists the collision.
    pressKey('A', true);
    pressKey('H');
    HWND replace = r.waitForDialog(L"Replace Rename");
    ASSERT_NE(replace, nullptr);
    typeText(L"b2");
    pressKey(VK_TAB);
    pressKey(VK_TAB);
    typeText(L"c3");
    EXPECT_TRUE(waitUntil([&] {
        return windowText(GetDlgItem(replace, 1049)).find(L"Names already taken (not renamed): 1") != std::wstring::npos;
    }, 5s)) << "preview";
    r.shoot(replace, L"renames-replace-dialog");
    pressKey(VK_RETURN);
    HWND report = r.waitForDialog(L"Replace Rename");
    ASSERT_NE(report, nullptr);
    const std::wstring text = dialogStaticText(report);
    EXPECT_NE(text.find(L"Failed to Rename (1) items."), std::wstring::npos);
    EXPECT_NE(text.find(r.path(L"b2.txt")), std::wstring::npos);
    clickButton(report, IDOK);
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(readFileBytes(r.path(L"b2.txt")), b2);
    EXPECT_EQ(readFileBytes(r.path(L"c3.txt")), c3);
    EXPECT_EQ(readFileBytes(r.path(L"a1.txt")), a1);

    // N with a typed name (the dialog opens with the whole name selected).
    ASSERT_TRUE(r.cursorOnFile(L"a1.txt", 2));
    pressKey('N');
    HWND name = r.waitForDialog(L"Rename");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(windowText(GetDlgItem(name, 1003)), L"a1.txt");
    r.shoot(name, L"renames-rename-dialog");
    typeText(L"renamed.txt");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(name));
    ASSERT_TRUE(r.idle());
    EXPECT_FALSE(fileExists(r.path(L"a1.txt")));
    EXPECT_EQ(readFileBytes(r.path(L"renamed.txt")), a1);
    EXPECT_TRUE(waitForCursorPath(r.path(L"renamed.txt"), 10s)) << "cursor follows the new name";

    // K makes a folder, Ctrl+K an empty file.
    pressKey('K');
    HWND folder = r.waitForDialog(L"Make Folder");
    ASSERT_NE(folder, nullptr);
    r.shoot(folder, L"renames-make-folder-dialog");
    typeText(L"newdir");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.idle());
    EXPECT_TRUE(waitUntil([&] {
        const DWORD a = GetFileAttributesW(r.path(L"newdir").c_str());
        return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
    }, 5s));
    pressKey('K', true);
    HWND file = r.waitForDialog(L"Make File");
    ASSERT_NE(file, nullptr);
    r.shoot(file, L"renames-make-file-dialog");
    EXPECT_EQ(windowText(GetDlgItem(file, 1003)), L"New File");
    typeText(L"empty.txt");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.idle());
    EXPECT_TRUE(waitUntil([&] { return fileExists(r.path(L"empty.txt")); }, 5s));
    EXPECT_EQ(readFileBytes(r.path(L"empty.txt")), "");
    EXPECT_EQ(readFileBytes(r.path(L"b2.txt")), b2);

    // A: Space checks the focused "Read Only"; the file gets exactly the
    // checked flags and keeps its bytes.
    const DWORD before = GetFileAttributesW(r.path(L"c3.txt").c_str());
    ASSERT_TRUE(r.cursorOnFile(L"c3.txt", 2));
    pressKey('A');
    HWND attributes = r.waitForDialog(L"Attribute");
    ASSERT_NE(attributes, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(attributes, 1007), BST_UNCHECKED);
    pressKey(VK_SPACE);
    ASSERT_TRUE(waitUntil([&] { return IsDlgButtonChecked(attributes, 1007) == BST_CHECKED; }, 5s));
    r.shoot(attributes, L"renames-attribute-dialog");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.idle());
    EXPECT_TRUE(waitUntil([&] {
        return GetFileAttributesW(r.path(L"c3.txt").c_str()) == ((before & FILE_ATTRIBUTE_ARCHIVE) | FILE_ATTRIBUTE_READONLY);
    }, 5s)) << GetFileAttributesW(r.path(L"c3.txt").c_str());
    EXPECT_EQ(readFileBytes(r.path(L"c3.txt")), c3);
    SetFileAttributesW(r.path(L"c3.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(RenameCommands, JapaneseDialogs) {
    Running r(L"renames-ja");
    ASSERT_TRUE(r.ready());
    ASSERT_TRUE(r.cursorOnFile(L"a1.txt", 2));
    pressKey('N');
    HWND name = r.waitForDialog(L"リネーム");
    ASSERT_NE(name, nullptr);
    r.shoot(name, L"renames-rename-dialog-ja");
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(r.waitGone(name));
    pressKey('H');
    HWND replace = r.waitForDialog(L"置換リネーム");
    ASSERT_NE(replace, nullptr);
    typeText(L"a1");
    EXPECT_TRUE(waitUntil([&] {
        return windowText(GetDlgItem(replace, 1049)).find(L"a1.txt  ->  .txt") != std::wstring::npos;
    }, 5s));
    r.shoot(replace, L"renames-replace-dialog-ja");
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(r.waitGone(replace));
    ASSERT_TRUE(r.idle());
    pressKey('A');
    HWND attributes = r.waitForDialog(L"属性の変更");
    ASSERT_NE(attributes, nullptr);
    r.shoot(attributes, L"renames-attribute-dialog-ja");
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(r.waitGone(attributes));
    ASSERT_TRUE(r.idle());

    // The other dialogs: caption, one Japanese text each, a screenshot.
    struct Shown {
        WORD key;      // 0: opened through its command id
        int command;
        const wchar_t* caption;
        int control;
        const wchar_t* text;
        const wchar_t* shot;
    };
    const Shown dialogs[] = {
        {'W', 0, L"追加リネーム", 1015, L"ファイル名", L"renames-append-dialog-ja"},
        {'R', 0, L"連番リネーム", 1017, L"001", L"renames-serial-dialog-ja"},
        {0, 32851, L"任意文字列間の置換リネーム", 1047, L"a1.txt", L"renames-between-dialog-ja"},
        {'T', 0, L"タイムスタンプの変更", 1010, L" 更新日時", L"renames-timestamp-dialog-ja"},
        {0, 32849, L"ボリュームラベルの変更", 1013, L"新しいボリュームラベル", L"renames-volume-dialog-ja"},
    };
    for (const Shown& d : dialogs) {
        ASSERT_TRUE(r.cursorOnFile(L"a1.txt", 2));
        HWND dialog = d.key ? r.openByKey(d.key, d.caption) : r.openByCommand(d.command, d.caption);
        ASSERT_NE(dialog, nullptr) << d.shot;
        EXPECT_EQ(windowText(GetDlgItem(dialog, d.control)), d.text) << d.shot;
        r.shoot(dialog, d.shot);
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(r.waitGone(dialog)) << d.shot;
        ASSERT_TRUE(r.idle());
    }
    EXPECT_EQ(readFileBytes(r.path(L"a1.txt")), std::string(300, 'a'));
}

TEST(RenameCommands, BatchRenamesOverFiveFilesKeepEveryByte) {
    const char* bytes[5] = {"one", "two", "three", "four", "five"};
    auto five = [&](const std::function<std::wstring(int)>& name) {
        Contents c;
        for (int i = 0; i < 5; ++i) c[name(i + 1)] = bytes[i];
        return c;
    };
    Running r(L"renames-five", [&](ListFixture& f) {
        f.box.makeFolder(L"five");
        for (int i = 1; i <= 5; ++i) f.box.writeFile(L"five\\img_" + std::to_wstring(i) + L".txt", bytes[i - 1]);
        return f.box.folder() + L"five";
    });
    ASSERT_TRUE(r.ready());
    auto n = [](int i) { return std::to_wstring(i); };
    auto previewHas = [](HWND dialog, const std::wstring& text) {
        return waitUntil([&] { return windowText(GetDlgItem(dialog, 1049)).find(text) != std::wstring::npos; }, 5s);
    };

    // H: every "img" becomes "pic".
    Contents now = five([&](int i) { return L"img_" + n(i) + L".txt"; });
    ASSERT_TRUE(r.selectAll(now));
    HWND replace = r.openByKey('H', L"Replace Rename");
    ASSERT_NE(replace, nullptr);
    typeText(L"img");
    pressKey(VK_TAB);
    pressKey(VK_TAB);
    typeText(L"pic");
    EXPECT_TRUE(previewHas(replace, L"img_1.txt  ->  pic_1.txt")) << narrow(windowText(GetDlgItem(replace, 1049)));
    EXPECT_TRUE(previewHas(replace, L"Names already taken (not renamed): 0"));
    pressKey(VK_RETURN);
    now = five([&](int i) { return L"pic_" + n(i) + L".txt"; });
    ASSERT_TRUE(r.filesBecome(now)) << describe(r.files());

    // W: "old_" at the head of the file name.
    ASSERT_TRUE(r.selectAll(now));
    HWND append = r.openByKey('W', L"Append Rename");
    ASSERT_NE(append, nullptr);
    EXPECT_EQ(windowText(GetDlgItem(append, 1015)), L"Filename");
    EXPECT_EQ(windowText(GetDlgItem(append, 1016)), L"Head");
    typeText(L"old_");
    EXPECT_TRUE(previewHas(append, L"pic_1.txt  ->  old_pic_1.txt"));
    r.shoot(append, L"renames-append-dialog");
    pressKey(VK_RETURN);
    now = five([&](int i) { return L"old_pic_" + n(i) + L".txt"; });
    ASSERT_TRUE(r.filesBecome(now)) << describe(r.files());

    // R: prefix "Pic" and the offered "001", in display order.
    ASSERT_TRUE(r.selectAll(now));
    HWND serial = r.openByKey('R', L"Serial Number Rename");
    ASSERT_NE(serial, nullptr);
    EXPECT_EQ(windowText(GetDlgItem(serial, 1017)), L"001");
    typeText(L"Pic");
    EXPECT_TRUE(previewHas(serial, L"old_pic_1.txt  ->  Pic001.txt"));
    EXPECT_EQ(windowText(GetDlgItem(serial, 1049)).find(L"old_pic_4.txt"), std::wstring::npos) << "the first three only";
    r.shoot(serial, L"renames-serial-dialog");
    pressKey(VK_RETURN);
    now = five([&](int i) { return L"Pic00" + n(i) + L".txt"; });
    ASSERT_TRUE(r.filesBecome(now)) << describe(r.files());

    // R with nine digits is refused before anything is renamed.
    ASSERT_TRUE(r.selectAll(now));
    serial = r.openByKey('R', L"Serial Number Rename");
    ASSERT_NE(serial, nullptr);
    EXPECT_EQ(windowText(GetDlgItem(serial, 1003)), L"Pic") << "the last prefix is offered";
    pressKey(VK_TAB);
    typeText(L"123456789");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(serial));
    HWND refusal = r.waitForDialog(L"Serial Number Rename");
    ASSERT_NE(refusal, nullptr);
    EXPECT_NE(dialogStaticText(refusal).find(L"Serial number specification is incorrect."), std::wstring::npos);
    clickButton(refusal, IDOK);
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(r.files(), now);

    // Between (menu only): "Pic" up to the first "0" becomes "n"; the
    // dialog shows the first name before and after.
    ASSERT_TRUE(r.selectAll(now));
    HWND between = r.openByCommand(32851, L"Between Rename");
    ASSERT_NE(between, nullptr);
    EXPECT_EQ(windowText(GetDlgItem(between, 1047)), L"Pic001.txt");
    EXPECT_EQ(windowText(GetDlgItem(between, 1015)), L"0");
    typeText(L"Pic");
    pressKey(VK_TAB);
    typeText(L"0");
    pressKey(VK_TAB);
    typeText(L"n");
    EXPECT_TRUE(waitUntil([&] { return windowText(GetDlgItem(between, 1048)) == L"n01.txt"; }, 5s))
        << narrow(windowText(GetDlgItem(between, 1048)));
    r.shoot(between, L"renames-between-dialog");
    pressKey(VK_RETURN);
    now = five([&](int i) { return L"n0" + n(i) + L".txt"; });
    ASSERT_TRUE(r.filesBecome(now)) << describe(r.files());

    // Upper then lower case: letter case only, which the platform's move
    // alone would leave as it was.
    struct CaseRun {
        int command;
        const wchar_t* caption;
        const wchar_t* prefix;
        const wchar_t* extension;
    };
    const CaseRun runs[] = {{32807, L"Rename to Uppercase", L"N0", L".TXT"},
                            {32806, L"Rename to Lowercase", L"n0", L".txt"}};
    for (const CaseRun& c : runs) {
        ASSERT_TRUE(r.selectAll(now));
        HWND question = r.openByCommand(c.command, c.caption);
        ASSERT_NE(question, nullptr) << narrow(c.caption);
        EXPECT_NE(dialogStaticText(question).find(L"Are you sure?"), std::wstring::npos);
        clickButton(question, IDOK);
        now = five([&](int i) { return c.prefix + n(i) + c.extension; });
        ASSERT_TRUE(r.filesBecome(now)) << narrow(c.caption) << " " << describe(r.files());
        ASSERT_TRUE(r.idle());
    }
}

TEST(RenameCommands, TimestampAndTimeCopiesChangeOnlyWhatWasAsked) {
    Running r(L"renames-times");
    ASSERT_TRUE(r.ready());
    const std::wstring file = r.path(L"b2.txt");
    // The access time carries a fraction of a second a written stamp
    // cannot hold: it survives only when it is not written at all.
    const StoredTimes base{localTicks(2019, 1, 2, 3, 4, 5), localTicks(2021, 6, 7, 8, 9, 10) + 1234567,
                           localTicks(2020, 5, 1, 8, 15, 30)};
    ASSERT_TRUE(writeTimes(file, base));
    const StoredTimes start = readTimes(file);
    ASSERT_EQ(start.modified, base.modified);
    ASSERT_EQ(start.accessed, base.accessed);
    // Wine's Unix file systems may keep no creation time.
    const bool keepsCreation = start.created == base.created;

    ASSERT_TRUE(r.cursorOnFile(L"b2.txt", 1));
    HWND dialog = r.openByKey('T', L"Timestamp");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 1010), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 1009), BST_UNCHECKED);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 1005))) << "creation date picker of an unchecked kind";
    // Keep Date: the date pickers and date fields go off, then back on.
    clickButton(dialog, 1007);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowEnabled(GetDlgItem(dialog, 1032)); }, 5s));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1034)));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 1020), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 1023), BST_CHECKED);
    clickButton(dialog, 1007);
    EXPECT_TRUE(waitUntil([&] { return IsDlgButtonChecked(dialog, 1020) == BST_CHECKED; }, 5s));
    // Only the hour, set to 0 by "00:00:00".
    for (int id : {1020, 1021, 1022, 1024, 1025}) clickButton(dialog, id);
    EXPECT_TRUE(waitUntil([&] {
        for (int id : {1020, 1021, 1022, 1024, 1025}) {
            if (IsDlgButtonChecked(dialog, id) != BST_UNCHECKED) return false;
        }
        return true;
    }, 5s));
    clickButton(dialog, 1019);
    r.shoot(dialog, L"renames-timestamp-dialog");
    clickButton(dialog, IDOK);
    ASSERT_TRUE(r.waitGone(dialog));
    ASSERT_TRUE(r.idle());
    const uint64_t wanted = localTicks(2020, 5, 1, 0, 15, 30);
    EXPECT_TRUE(waitUntil([&] { return readTimes(file).modified == wanted; }, 5s)) << readTimes(file).modified;
    EXPECT_EQ(readTimes(file).accessed, base.accessed) << "not asked for: not touched";
    if (keepsCreation) {
        EXPECT_EQ(readTimes(file).created, base.created);
    }

    // The four copies: the target gets the source's time in whole
    // seconds, the other two times stay exactly as they were.
    struct Copy {
        int command;
        const wchar_t* caption;
        uint64_t StoredTimes::*target;
        uint64_t StoredTimes::*source;
    };
    const Copy copies[] = {
        {32841, L"Copy CreateTime to LastModified", &StoredTimes::modified, &StoredTimes::created},
        {32842, L"Copy LastModified to CreateTime", &StoredTimes::created, &StoredTimes::modified},
        {32843, L"Copy CreateTime to AccessTime", &StoredTimes::accessed, &StoredTimes::created},
        {32844, L"Copy LastModified to AccessTime", &StoredTimes::accessed, &StoredTimes::modified},
    };
    for (const Copy& c : copies) {
        ASSERT_TRUE(writeTimes(file, base));
        const StoredTimes before = readTimes(file);
        StoredTimes expected = before;
        expected.*c.target = before.*c.source - before.*c.source % kSecond;
        if (c.target == &StoredTimes::created && !keepsCreation) expected.created = 0;
        HWND question = r.openByCommand(c.command, c.caption);
        ASSERT_NE(question, nullptr) << narrow(c.caption);
        EXPECT_NE(dialogStaticText(question).find(L"Are you sure?"), std::wstring::npos);
        clickButton(question, IDOK);
        ASSERT_TRUE(r.waitGone(question));
        ASSERT_TRUE(r.idle());
        auto matches = [&] {
            StoredTimes after = readTimes(file);
            if (expected.created == 0) after.created = 0;  // not stored by this file system
            return after == expected;
        };
        EXPECT_TRUE(waitUntil(matches, 5s)) << narrow(c.caption) << " modified " << readTimes(file).modified
                                            << " accessed " << readTimes(file).accessed;
    }
    EXPECT_EQ(readFileBytes(file), std::string(100, 'b'));
}

TEST(RenameCommands, VolumeLabelDialogListsTheDrives) {
    Running r(L"renames-volume");
    ASSERT_TRUE(r.ready());
    std::vector<std::wstring> roots;
    wchar_t buffer[256] = {};
    GetLogicalDriveStringsW(255, buffer);
    for (const wchar_t* p = buffer; *p; p += wcslen(p) + 1) roots.emplace_back(p);
    ASSERT_GE(roots.size(), 2u) << "Wine offers C: and Z:";
    auto labelOf = [](const std::wstring& root) {
        wchar_t label[521] = {};
        GetVolumeInformationW(root.c_str(), label, 520, nullptr, nullptr, nullptr, nullptr, 0);
        return std::wstring(label);
    };
    auto lineOf = [](const std::wstring& root) { return L"[" + root.substr(0, 2) + L"]  "; };

    HWND dialog = r.openByCommand(32849, L"Change Volume Label");
    ASSERT_NE(dialog, nullptr);
    HWND drives = GetDlgItem(dialog, 1015);
    EXPECT_EQ(static_cast<size_t>(SendMessageW(drives, CB_GETCOUNT, 0, 0)), roots.size());
    const std::wstring first = windowText(drives);
    EXPECT_EQ(first.rfind(lineOf(roots[0]), 0), 0u) << narrow(first);
    EXPECT_NE(first.find(L" / "), std::wstring::npos) << narrow(first);
    EXPECT_EQ(first.back(), L')');
    EXPECT_EQ(windowText(GetDlgItem(dialog, 1003)), labelOf(roots[0]));
    // The second drive's line puts its label into the field.
    pressKey(VK_TAB, false, true);
    pressKey(VK_DOWN);
    EXPECT_TRUE(waitUntil([&] { return windowText(drives).rfind(lineOf(roots[1]), 0) == 0; }, 5s)) << narrow(windowText(drives));
    EXPECT_EQ(windowText(GetDlgItem(dialog, 1003)), labelOf(roots[1]));
    r.shoot(dialog, L"renames-volume-dialog");

    // Back to the first drive and a new label; Wine may refuse it, and then
    // the refusal is what the user is told.
    const std::wstring oldLabel = labelOf(roots[0]);
    pressKey(VK_UP);
    ASSERT_TRUE(waitUntil([&] { return windowText(drives).rfind(lineOf(roots[0]), 0) == 0; }, 5s));
    pressKey(VK_TAB);
    typeText(L"TVLABEL");
    pressKey(VK_RETURN);
    HWND answer = r.waitForDialog(L"Tarvelo");
    ASSERT_NE(answer, nullptr);
    const std::wstring text = dialogStaticText(answer);
    const bool changed = text == L"Volume label for [" + roots[0] + L"] changed to [TVLABEL].";
    if (changed) {
        EXPECT_EQ(labelOf(roots[0]), L"TVLABEL");
        SetVolumeLabelW(roots[0].c_str(), oldLabel.c_str());
    } else {
        EXPECT_EQ(text, L"Failed to change volume label.");
        EXPECT_EQ(labelOf(roots[0]), oldLabel);
        std::cout << "[ note ] the platform refused the volume label: the failure message was shown\n";
    }
    clickButton(answer, IDOK);
    EXPECT_TRUE(r.waitGone(dialog));
    ASSERT_TRUE(r.idle());
}

}  // namespace
}  // namespace tarvelo::e2e
