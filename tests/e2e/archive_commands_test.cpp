// Compress (P) and Expand (U) driven by keyboard with the archiver
// stand-ins beside the program; the archives are checked from the Linux
// side with unzip, the expanded files byte for byte.
#include <gtest/gtest.h>

#include "list_fixture.h"
#include "resource_ids.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::string narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

std::wstring standinFolder() {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path = exe;
    path.resize(path.find_last_of(L'\\'));
    path.resize(path.find_last_of(L'\\'));
    return path + L"\\standins\\";
}

std::wstring unixPath(const std::wstring& path) {
    using ToUnix = char* (*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unix = toUnix ? toUnix(path.c_str()) : nullptr;
    if (!unix) return {};
    std::wstring out;
    for (const char* p = unix; *p; ++p) out += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// A host shell command's exit status. Wine starts Linux programs by their
// path but knows nothing of their exit, so the shell writes its status into
// a file that is polled for.
int runHost(const std::wstring& command) {
    static int serial = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring status = std::wstring(temp) + L"tarvelo-host-" + std::to_wstring(GetCurrentProcessId()) +
                                L"-" + std::to_wstring(++serial) + L".status";
    DeleteFileW(status.c_str());
    const std::wstring statusUnix = unixPath(status);
    std::wstring line = L"Z:\\bin\\sh -c \"" + command + L"; echo $? > '" + statusUnix + L".part' && mv '" + statusUnix +
                        L".part' '" + statusUnix + L"'\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!waitUntil([&] { return fileExists(status); }, 60s)) return -2;
    const int code = std::atoi(readFileBytes(status).c_str());
    DeleteFileW(status.c_str());
    return code;
}

// unzip -t passes and unzip -Z1 names exactly these members (in order).
void expectZip(const std::wstring& archive, const std::string& members) {
    const std::wstring a = unixPath(archive), list = unixPath(archive + L".members");
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(runHost(L"unzip -tq '" + a + L"' >/dev/null"), 0) << narrow(archive);
    ASSERT_EQ(runHost(L"unzip -Z1 '" + a + L"' > '" + list + L"'"), 0);
    EXPECT_EQ(readFileBytes(archive + L".members"), members) << narrow(archive);
    DeleteFileW((archive + L".members").c_str());
}

// The dialog as it looks once it has handled what was sent to it.
void shoot(HWND dialog, const std::wstring& name) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    screenshot(dialog, name);
}

struct Running {
    ListFixture f;
    std::wstring log;
    TarveloApp app;
    static std::wstring logOf(const ListFixture& f) { return f.box.folder() + L"calls.log"; }
    Running(const std::wstring& name, bool withLibraries)
        : f(name), log(logOf(f)), app((install(f, withLibraries), f.box), L"\"" + f.data + L"\\\"",
                                      {L"TARVELO_STANDIN_LOG=" + logOf(f)}) {}
    static void install(const ListFixture& f, bool withLibraries) {
        if (!withLibraries) return;
        for (const wchar_t* dll : {L"7-ZIP32.DLL", L"UNRAR32.DLL"}) {
            CopyFileW((standinFolder() + dll).c_str(), f.box.file(dll).c_str(), FALSE);
        }
    }
    bool ready() {
        if (!app.waitForMainWindow()) return false;
        bringToFront(app.mainWindow());
        return waitForCursorPath(f.data + L"\\..");
    }
    std::wstring path(const std::wstring& relative) const { return f.data + L"\\" + relative; }
    bool cursorOn(const std::wstring& name, int fromLast) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            bringToFront(app.mainWindow());
            pressKey('Q', true);
            pressKey(VK_END);
            for (int i = 0; i < fromLast; ++i) pressKey(VK_UP);
            // The prefix wait alone would take a1.txt.zip for a1.txt.
            if (waitForCursorPath(path(name), 2s) && cursorPath() == path(name)) return true;
        }
        return false;
    }
    bool cursorOnFirstFolder() {
        for (int attempt = 0; attempt < 4; ++attempt) {
            bringToFront(app.mainWindow());
            pressKey(VK_HOME);
            pressKey(VK_DOWN);
            if (waitForCursorPath(path(L"alpha"), 2s)) return true;
        }
        return false;
    }
    HWND waitForCaption(const std::wstring& caption, std::chrono::milliseconds timeout = 15s) {
        HWND found = nullptr;
        waitUntil([&] {
            found = app.findMessageBox();
            return found && windowText(found) == caption;
        }, timeout);
        return found;
    }
    // The command key, again while a reload swallows it, until the dialog comes.
    HWND command(WORD key, const std::wstring& caption) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            bringToFront(app.mainWindow());
            pressKey(key);
            if (HWND d = waitForCaption(caption, 4s)) return d;
        }
        ADD_FAILURE() << "no dialog " << narrow(caption);
        screenshot(GetDesktopWindow(), L"archive-no-dialog");
        return nullptr;
    }
    // The command runs on the UI thread, which keeps answering meanwhile:
    // its end shows as the archive (written whole, then renamed) appearing.
    bool created(const std::wstring& relative) {
        return waitUntil([&] { return fileExists(path(relative)); }, 60s) && idle();
    }
    bool idle() {
        return waitUntil([&] { return app.responsive() && app.findMessageBox() == nullptr; }, 30s);
    }
};

TEST(ArchiveCommands, CompressIndividuallyAndTogether) {
    Running r(L"archive-compress", true);
    ASSERT_TRUE(r.ready());

    // A file, individually: a1.txt.zip beside it.
    ASSERT_TRUE(r.cursorOn(L"a1.txt", 2));
    HWND dialog = r.command('P', L"Compress Archive");
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(dialogStaticText(dialog).find(L"Destination Folder : \r\n" + r.f.data + L"\\\r\n"), std::wstring::npos);
    EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_ARC_NAME)), L"Archived under individual Filenames.");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_ARC_NAME)));
    shoot(dialog, L"compress-dialog-english");
    clickButton(dialog, IDOK);
    ASSERT_TRUE(r.created(L"a1.txt.zip"));
    expectZip(r.path(L"a1.txt.zip"), "a1.txt\n");

    // A folder, individually: its contents in alpha.zip.
    ASSERT_TRUE(r.cursorOnFirstFolder());
    dialog = r.command('P', L"Compress Archive");
    ASSERT_NE(dialog, nullptr);
    clickButton(dialog, IDOK);
    ASSERT_TRUE(r.created(L"alpha.zip"));
    expectZip(r.path(L"alpha.zip"), "inner.txt\n");
    EXPECT_NE(readFileBytes(r.log).find("a -tzip \"" + narrow(r.path(L"alpha.zip")) + "\" \"" +
                                        narrow(r.path(L"alpha")) + "\\*\" -hide -mx=5 -r\n"), std::string::npos);

    // Folder and file together: the typed name gets its extension on the
    // first OK, the second compresses.
    ASSERT_TRUE(r.cursorOn(L"a1.txt", 4));  // a1.txt a1.txt.zip alpha.zip b2.txt c3.txt
    pressKey(VK_SPACE);
    pressKey(VK_HOME);
    pressKey(VK_DOWN);
    pressKey(VK_SPACE);
    dialog = r.command('P', L"Compress Archive");
    ASSERT_NE(dialog, nullptr);
    clickButton(dialog, IDC_ARC_TOGETHER);
    HWND name = GetDlgItem(dialog, IDC_ARC_NAME);
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(name) && windowText(name) == L"alpha.zip"; }, 5s))
        << narrow(windowText(name));
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"both"));
    clickButton(dialog, IDOK);
    ASSERT_TRUE(waitUntil([&] { return windowText(name) == L"both.zip"; }, 5s)) << narrow(windowText(name));
    EXPECT_TRUE(IsWindow(dialog));
    shoot(dialog, L"compress-dialog-together-english");
    clickButton(dialog, IDOK);
    ASSERT_TRUE(r.created(L"both.zip"));
    expectZip(r.path(L"both.zip"), "alpha/\nalpha/inner.txt\na1.txt\n");

    // The Help menu carries the libraries' version lines (another process
    // cannot read a menu's texts under Wine: the screenshot is looked at).
    bringToFront(r.app.mainWindow());
    pressKey('H', false, false, true);
    ASSERT_TRUE(waitUntil([&] { return r.app.findPopupMenu() != nullptr; }, 10s));
    screenshot(GetDesktopWindow(), L"archive-help-menu-english");
    pressKey(VK_ESCAPE);
    pressKey(VK_ESCAPE);
}

TEST(ArchiveCommands, ExpandKeepsBytesAndReportsBadArchives) {
    Running r(L"archive-expand", true);
    const std::wstring data = unixPath(r.f.data);
    // Made by Linux zip, so the stand-in reads an archive it did not write.
    r.f.box.makeFolder(L"data\\src\\deep");
    r.f.box.writeFile(L"data\\src\\deep\\z.bin", std::string(70000, 'z') + std::string(3000, '\x01'));
    ASSERT_EQ(runHost(L"cd '" + data + L"/src' && zip -qr ../pack.zip . && cd .. && rm -r src"), 0);
    r.f.box.writeFile(L"data\\junk.zip", "PK\x03\x04 broken beyond repair");
    // Python writes the member names exactly as given.
    ASSERT_EQ(runHost(L"python3 -c 'import zipfile; z = zipfile.ZipFile(\\\"" + data +
                      L"/evil.zip\\\", \\\"w\\\"); z.writestr(\\\"ok.txt\\\", \\\"ok\\\"); "
                      L"z.writestr(\\\"../escaped.txt\\\", \\\"x\\\"); z.close()'"),
              0);
    ASSERT_TRUE(r.ready());

    // a1 b2 c3 evil.zip junk.zip pack.zip: mark the three archives.
    ASSERT_TRUE(r.cursorOn(L"evil.zip", 2));
    pressKey(VK_SPACE);
    pressKey(VK_SPACE);
    pressKey(VK_SPACE);
    HWND dialog = r.command('U', L"Expand Archive");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ARC_INTO_FOLDER), static_cast<UINT>(BST_CHECKED));
    EXPECT_NE(dialogStaticText(dialog).find(L"Expand to Folder : \r\n" + r.f.data + L"\\\r\n"), std::wstring::npos);
    shoot(dialog, L"expand-dialog-english");
    clickButton(dialog, IDOK);

    HWND report = r.waitForCaption(L"Expand Archive", 30s);
    ASSERT_NE(report, nullptr);
    const std::wstring text = dialogStaticText(report);
    EXPECT_NE(text.find(L"Failed to Expand (2) Archives."), std::wstring::npos) << narrow(text);
    EXPECT_NE(text.find(r.path(L"junk.zip")), std::wstring::npos) << narrow(text);
    EXPECT_NE(text.find(L"../escaped.txt"), std::wstring::npos) << narrow(text);
    EXPECT_EQ(text.find(L"pack.zip"), std::wstring::npos) << narrow(text);
    clickButton(report, IDOK);
    ASSERT_TRUE(r.idle());

    EXPECT_EQ(readFileBytes(r.path(L"pack\\deep\\z.bin")), std::string(70000, 'z') + std::string(3000, '\x01'));
    EXPECT_FALSE(fileExists(r.path(L"escaped.txt")));
    EXPECT_FALSE(fileExists(r.f.box.file(L"escaped.txt")));
    EXPECT_FALSE(fileExists(r.path(L"evil\\ok.txt")));
    EXPECT_FALSE(fileExists(r.path(L"junk")));
}

TEST(ArchiveCommands, WithoutTheLibrariesTheCommandsSaySo) {
    Running r(L"archive-missing", false);
    ASSERT_TRUE(r.ready());
    ASSERT_TRUE(r.cursorOn(L"a1.txt", 2));
    for (WORD key : {WORD('P'), WORD('U')}) {
        HWND box = r.command(key, L"ERROR");
        ASSERT_NE(box, nullptr);
        EXPECT_NE(dialogStaticText(box).find(L"Not Found: 7-ZIP32.DLL"), std::wstring::npos);
        clickButton(box, IDOK);
        ASSERT_TRUE(r.idle());
    }
    EXPECT_FALSE(fileExists(r.path(L"a1.txt.zip")));
}

TEST(ArchiveCommands, JapaneseDialogs) {
    Running r(L"archive-japanese", true);
    ASSERT_TRUE(r.ready());
    ASSERT_TRUE(r.cursorOn(L"a1.txt", 2));
    HWND dialog = r.command('P', L"\u5727\u7e2e");
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(dialogStaticText(dialog).find(L"\u4fdd\u5b58\u5148\u30d5\u30a9\u30eb\u30c0"), std::wstring::npos);
    shoot(dialog, L"compress-dialog-japanese");
    clickButton(dialog, IDC_ARC_TOGETHER);
    HWND name = GetDlgItem(dialog, IDC_ARC_NAME);
    ASSERT_TRUE(waitUntil([&] { return windowText(name) == L"a1.zip"; }, 5s));
    shoot(dialog, L"compress-dialog-together-japanese");
    clickButton(dialog, IDCANCEL);
    ASSERT_TRUE(r.idle());
    EXPECT_FALSE(fileExists(r.path(L"a1.zip")));
    dialog = r.command('U', L"\u89e3\u51cd");
    ASSERT_NE(dialog, nullptr);
    shoot(dialog, L"expand-dialog-japanese");
    clickButton(dialog, IDCANCEL);
    ASSERT_TRUE(r.idle());
}

}  // namespace
}  // namespace tarvelo::e2e
