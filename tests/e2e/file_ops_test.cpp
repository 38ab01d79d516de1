// The file commands driven by keyboard as a user does: copy into a typed
// folder, every answer of the overwrite question, move, both deletes, paste
// from the clipboard and a locked file in the middle of a selection. Each
// step compares the files' bytes.
#include <gtest/gtest.h>

#include <thread>

#include "list_fixture.h"
#include "platform/clipboard.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::string narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

struct Running {
    ListFixture f;
    TarveloApp app;
    Running(const std::wstring& name, const std::vector<std::wstring>& env = {})
        : f(name), app(f.box, L"\"" + f.data + L"\\\"", env) {}
    bool ready() {
        if (!app.waitForMainWindow()) return false;
        bringToFront(app.mainWindow());
        return waitForCursorPath(f.data + L"\\..");
    }
    std::wstring path(const std::wstring& relative) const { return f.data + L"\\" + relative; }
    // A dialog or message box of the program whose caption is caption.
    HWND waitForDialog(const std::wstring& caption, std::chrono::milliseconds timeout = 15s) {
        HWND found = nullptr;
        waitUntil([&] {
            found = app.findMessageBox();
            return found && windowText(found) == caption;
        }, timeout);
        if (!found) {
            screenshot(GetDesktopWindow(), L"fileops-no-dialog");
            HWND other = app.findMessageBox();
            ADD_FAILURE() << "no dialog " << narrow(caption) << " other: "
                          << (other ? narrow(windowText(other)) : "none")
                          << " focus " << GetDlgCtrlID(GetFocus());
        }
        return found;
    }
    bool waitGone(HWND dialog) {
        return waitUntil([&] { return !IsWindow(dialog); }, 15s);
    }
    // Puts the cursor on the file count-from-last (0 = last) and checks it.
    bool cursorOnFile(const std::wstring& name, int fromLast) {
        // Keys are dropped while a reload runs: try again until they land.
        for (int attempt = 0; attempt < 4; ++attempt) {
            bringToFront(app.mainWindow());
            pressKey('Q', true);  // no selection
            pressKey(VK_END);
            for (int i = 0; i < fromLast; ++i) pressKey(VK_UP);
            if (waitForCursorPath(path(name), 2s)) return true;
        }
        return false;
    }
    // File Copy or Move of the cursor entry into the folder named by typing.
    void copyTo(WORD key, const std::wstring& caption, const std::wstring& typed) {
        // A command key is dropped while the reload after the last command
        // runs: press again until the dialog comes.
        for (int attempt = 0; attempt < 4; ++attempt) {
            bringToFront(app.mainWindow());
            pressKey(key);
            HWND shown = nullptr;
            if (waitUntil([&] {
                    shown = app.findMessageBox();
                    return shown && windowText(shown) == caption;
                }, 3s)) {
                break;
            }
        }
        HWND dialog = waitForDialog(caption);
        ASSERT_NE(dialog, nullptr);
        if (!typed.empty()) typeText(typed);
        pressKey(VK_RETURN);
        if (!typed.empty() && typed.find(L'\\') == std::wstring::npos) {
            // A bare name is first shown below the current folder.
            HWND combo = GetDlgItem(dialog, 1015);
            ASSERT_TRUE(waitUntil([&] { return windowText(combo) == path(typed); }, 5s)) << windowText(combo);
            pressKey(VK_RETURN);
        }
        ASSERT_TRUE(waitGone(dialog));
    }
    void answerOverwrite(int button, const std::wstring& shotName = L"") {
        HWND question = waitForDialog(L"File Copy");
        ASSERT_NE(question, nullptr);
        EXPECT_NE(dialogStaticText(question).find(L"There is a file with the same name."), std::wstring::npos);
        if (!shotName.empty()) screenshot(question, shotName);
        clickButton(question, button);
        ASSERT_TRUE(waitGone(question));
    }
    bool idle() {
        return waitUntil([&] { return app.responsive() && app.findMessageBox() == nullptr; }, 15s);
    }
};

bool waitForBytes(const std::wstring& path, const std::string& bytes) {
    return waitUntil([&] { return fileExists(path) && readFileBytes(path) == bytes; }, 15s);
}

TEST(FileOps, CopyIntoTypedFolderAndEveryOverwriteAnswer) {
    Running r(L"fileops-copy");
    const std::string a1(300, 'a'), b2(100, 'b'), c3(200, 'c'), old = "old target";
    r.f.box.makeFolder(L"data\\out");
    for (const wchar_t* n : {L"data\\out\\a1.txt", L"data\\out\\b2.txt", L"data\\out\\c3.txt"}) r.f.box.writeFile(n, old);
    ASSERT_TRUE(r.ready());

    // A typed name becomes a folder below the current one, created on the second OK.
    ASSERT_TRUE(r.cursorOnFile(L"a1.txt", 2));
    r.copyTo('C', L"File Copy", L"fresh");
    EXPECT_TRUE(waitForBytes(r.path(L"fresh\\a1.txt"), a1));
    ASSERT_TRUE(r.idle());
    // The list came back at the same row, which now holds the folder "out"
    // (the new folder "fresh" sorts before it).
    EXPECT_TRUE(waitForCursorPath(r.path(L"out"), 10s)) << narrow(cursorPath());

    // Skip leaves the existing target's bytes alone.
    ASSERT_TRUE(r.cursorOnFile(L"a1.txt", 2));
    r.copyTo('C', L"File Copy", r.path(L"out"));
    r.answerOverwrite(1004, L"fileops-overwrite-question");
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(readFileBytes(r.path(L"out\\a1.txt")), old);

    // Overwrite replaces it; the destination is remembered.
    r.copyTo('C', L"File Copy", L"");
    r.answerOverwrite(1);
    EXPECT_TRUE(waitForBytes(r.path(L"out\\a1.txt"), a1));
    ASSERT_TRUE(r.idle());

    // All Overwrite answers once for b2 and c3.
    ASSERT_TRUE(r.cursorOnFile(L"b2.txt", 1));
    pressKey(VK_SPACE);
    pressKey(VK_SPACE);
    r.copyTo('C', L"File Copy", L"");
    r.answerOverwrite(1014);
    EXPECT_TRUE(waitForBytes(r.path(L"out\\c3.txt"), c3));
    EXPECT_EQ(readFileBytes(r.path(L"out\\b2.txt")), b2);
    ASSERT_TRUE(r.idle());

    // Cancel ends the run: the later item is not touched.
    r.f.box.writeFile(L"data\\out\\b2.txt", old);
    r.f.box.writeFile(L"data\\out\\c3.txt", old);
    ASSERT_TRUE(r.cursorOnFile(L"b2.txt", 1));
    pressKey(VK_SPACE);
    pressKey(VK_SPACE);
    r.copyTo('C', L"File Copy", L"");
    r.answerOverwrite(2);
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(readFileBytes(r.path(L"out\\b2.txt")), old);
    EXPECT_EQ(readFileBytes(r.path(L"out\\c3.txt")), old);

    // A copy onto its own folder never replaces an earlier copy.
    ASSERT_TRUE(r.cursorOnFile(L"c3.txt", 0));
    r.copyTo('C', L"File Copy", r.f.data);
    EXPECT_TRUE(waitForBytes(r.path(L"c3_copied.txt"), c3));
    ASSERT_TRUE(r.idle());
    ASSERT_TRUE(r.cursorOnFile(L"c3.txt", 1));
    r.copyTo('C', L"File Copy", L"");
    EXPECT_TRUE(waitForBytes(r.path(L"c3_copied2.txt"), c3));
    EXPECT_EQ(readFileBytes(r.path(L"c3_copied.txt")), c3);
}

TEST(FileOps, MoveThenDeleteToTheBinAndPermanently) {
    // A private recycle bin (the data folder must exist for the trash to be used).
    const std::wstring trash = L"tarvelo-e2e-trash-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW((L"Z:\\tmp\\" + trash).c_str(), nullptr);
    Running r(L"fileops-move", {L"XDG_DATA_HOME=/tmp/" + trash});
    ASSERT_TRUE(r.ready());
    const std::string a1(300, 'a');

    ASSERT_TRUE(r.cursorOnFile(L"a1.txt", 2));
    r.copyTo('M', L"File Move", L"moved");
    EXPECT_TRUE(waitForBytes(r.path(L"moved\\a1.txt"), a1));
    EXPECT_TRUE(waitUntil([&] { return !fileExists(r.path(L"a1.txt")); }, 10s));
    ASSERT_TRUE(r.idle());

    // D: the recycle-bin question with the count.
    ASSERT_TRUE(r.cursorOnFile(L"b2.txt", 1));
    pressKey('D');
    HWND question = r.waitForDialog(L"Delete File/Folder");
    ASSERT_NE(question, nullptr);
    EXPECT_NE(dialogStaticText(question).find(L"Move selected items (1) to Recycle Bin."), std::wstring::npos);
    clickButton(question, IDOK);
    EXPECT_TRUE(waitUntil([&] { return !fileExists(r.path(L"b2.txt")); }, 10s));
    EXPECT_TRUE(waitForBytes(L"Z:\\tmp\\" + trash + L"\\Trash\\files\\b2.txt", std::string(100, 'b')));
    ASSERT_TRUE(r.idle());

    // Ctrl+D with two selected (a file and a folder): the permanent question.
    ASSERT_TRUE(r.cursorOnFile(L"c3.txt", 0));
    pressKey(VK_SPACE);
    pressKey(VK_HOME);
    pressKey(VK_DOWN);  // alpha
    pressKey(VK_SPACE);
    pressKey('D', true);
    question = r.waitForDialog(L"Delete File/Folder");
    ASSERT_NE(question, nullptr);
    EXPECT_NE(dialogStaticText(question).find(L"Delete selected items (2)."), std::wstring::npos);
    clickButton(question, IDOK);
    EXPECT_TRUE(waitUntil([&] { return !fileExists(r.path(L"c3.txt")) && !fileExists(r.path(L"alpha")); }, 15s));
    EXPECT_TRUE(fileExists(r.path(L"beta\\deep.log")));
}

TEST(FileOps, PasteAndALockedFileInTheMiddle) {
    Running r(L"fileops-paste");
    r.f.box.makeFolder(L"data\\in");
    r.f.box.writeFile(L"data\\in\\p1.txt", "pasted one");
    r.f.box.writeFile(L"data\\in\\p2.txt", "pasted two");
    ASSERT_TRUE(r.ready());

    // Clipboard text with a blank line and quotes: two paths.
    ASSERT_TRUE(platform::setClipboardText(nullptr, L"\"" + r.path(L"in\\p1.txt") + L"\"\r\n\r\n" + r.path(L"in\\p2.txt")));
    pressKey('V', true);
    HWND question = r.waitForDialog(L"Paste");
    ASSERT_NE(question, nullptr);
    EXPECT_NE(dialogStaticText(question).find(L"Paste copied items (2)."), std::wstring::npos);
    clickButton(question, IDOK);
    EXPECT_TRUE(waitForBytes(r.path(L"p1.txt"), "pasted one"));
    EXPECT_TRUE(waitForBytes(r.path(L"p2.txt"), "pasted two"));
    ASSERT_TRUE(r.idle());

    // b2 held open without sharing: it fails and is reported; a1 and c3 are copied.
    HANDLE lock = CreateFileW(r.path(L"b2.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    pressKey('A', true);
    pressKey(VK_HOME);
    pressKey(VK_DOWN);
    pressKey(VK_SPACE);  // alpha off
    pressKey(VK_SPACE);  // beta off
    pressKey(VK_SPACE);  // in off
    r.copyTo('C', L"File Copy", L"locked");
    HWND report = r.waitForDialog(L"File Copy", 30s);
    ASSERT_NE(report, nullptr);
    screenshot(report, L"fileops-report");
    EXPECT_EQ(dialogStaticText(report), L"Failed to Copy (1) items.\r\n\r\n" + r.path(L"b2.txt") + L"\r\n\r\n");
    clickButton(report, IDOK);
    CloseHandle(lock);
    EXPECT_TRUE(waitForBytes(r.path(L"locked\\a1.txt"), std::string(300, 'a')));
    EXPECT_TRUE(waitForBytes(r.path(L"locked\\c3.txt"), std::string(200, 'c')));
    EXPECT_FALSE(fileExists(r.path(L"locked\\b2.txt")));
    EXPECT_EQ(readFileBytes(r.path(L"b2.txt")), std::string(100, 'b'));
}

TEST(FileOps, FilesDraggedInFromAnotherProgramOpenTheDropMenuAndCopy) {
    Running r(L"fileops-drop");
    const std::string one(1500, 'x');
    std::string two(2048, '\0');
    for (size_t i = 0; i < two.size(); ++i) two[i] = static_cast<char>(i * 7);
    r.f.box.makeFolder(L"outside");
    r.f.box.writeFile(L"outside\\d1.txt", one);
    r.f.box.writeFile(L"outside\\\u65e5\u672c\u8a9e.bin", two);
    const std::vector<std::wstring> sources = {r.f.box.file(L"outside\\d1.txt"),
                                               r.f.box.file(L"outside\\\u65e5\u672c\u8a9e.bin")};
    ASSERT_TRUE(r.ready());

    HWND list = GetDlgItem(r.app.mainWindow(), 1000);
    RECT area{};
    ASSERT_TRUE(GetWindowRect(list, &area));
    const POINT onList{(area.left + area.right) / 2, area.top + (area.bottom - area.top) * 2 / 3};
    EXPECT_EQ(dragFilesFromAnotherProgram(onList, sources), 0) << "the list did not take the drop as a copy";

    HWND menu = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (menu = r.app.findPopupMenu()) != nullptr; }, 15s)) << "no drop menu";
    screenshot(GetDesktopWindow(), L"fileops-drop-menu");
    // Nothing is copied before an answer.
    EXPECT_FALSE(fileExists(r.path(L"d1.txt")));
    pressKey('C');  // File Copy(&C)
    EXPECT_TRUE(waitForBytes(r.path(L"d1.txt"), one));
    EXPECT_TRUE(waitForBytes(r.path(L"\u65e5\u672c\u8a9e.bin"), two));
    ASSERT_TRUE(r.idle());
    EXPECT_EQ(readFileBytes(sources[0]), one);
    EXPECT_EQ(readFileBytes(sources[1]), two);
}

}  // namespace
}  // namespace tarvelo::e2e

namespace tarvelo::e2e {
namespace {

// The folder dialog, the progress bar during a long copy, the overwrite
// question and the report, in the interface language of the run.
void dialogsTour(bool japanese) {
    const std::wstring caption = japanese ? L"ファイルコピー" : L"File Copy";
    const std::wstring tag = japanese ? L"-ja" : L"-en";
    Running r(L"fileops-tour" + tag);
    // A big file made quickly (its length set, no bytes written).
    HANDLE big = CreateFileW(r.path(L"big.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(big, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 1LL << 30;
    SetFilePointerEx(big, size, nullptr, FILE_BEGIN);
    SetEndOfFile(big);
    CloseHandle(big);
    r.f.box.makeFolder(L"data\\out");
    r.f.box.writeFile(L"data\\out\\b2.txt", "old");
    ASSERT_TRUE(r.ready());

    // big.bin sorts first of the files: alpha, beta, out, a1, b2, big, c3.
    ASSERT_TRUE(r.cursorOnFile(L"big.bin", 1));
    pressKey('C');
    HWND dialog = r.waitForDialog(caption);
    ASSERT_NE(dialog, nullptr);
    typeText(L"out");
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return windowText(GetDlgItem(dialog, 1015)) == r.path(L"out"); }, 5s));
    screenshot(dialog, L"fileops-folder-dialog" + tag);
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(dialog));
    // While the copy runs the window keeps answering and shows its bar.
    waitUntil([&] { return fileExists(r.path(L"out\\big.bin")); }, 10s, 20ms);
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(r.app.responsive());
    screenshot(GetDesktopWindow(), L"fileops-progress" + tag);
    ASSERT_TRUE(waitUntil([&] {
        WIN32_FILE_ATTRIBUTE_DATA d{};
        return GetFileAttributesExW(r.path(L"out\\big.bin").c_str(), GetFileExInfoStandard, &d) &&
               d.nFileSizeHigh == 0 && d.nFileSizeLow == (1u << 30) && r.app.findMessageBox() == nullptr;
    }, 120s));
    ASSERT_TRUE(r.idle());

    // The overwrite question, answered Cancel: the old target stays.
    ASSERT_TRUE(r.cursorOnFile(L"b2.txt", 2));
    pressKey('C');
    dialog = r.waitForDialog(caption);
    ASSERT_NE(dialog, nullptr);
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(dialog));
    HWND question = r.waitForDialog(caption);
    ASSERT_NE(question, nullptr);
    screenshot(question, L"fileops-overwrite" + tag);
    clickButton(question, IDCANCEL);
    ASSERT_TRUE(r.waitGone(question));
    EXPECT_EQ(readFileBytes(r.path(L"out\\b2.txt")), "old");
    ASSERT_TRUE(r.idle());

    // The report of a locked file.
    HANDLE lock = CreateFileW(r.path(L"c3.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(r.cursorOnFile(L"c3.txt", 0));
    pressKey('C');
    dialog = r.waitForDialog(caption);
    ASSERT_NE(dialog, nullptr);
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(dialog));
    HWND report = r.waitForDialog(caption);
    ASSERT_NE(report, nullptr);
    screenshot(report, L"fileops-report" + tag);
    const std::wstring expected = (japanese ? L"( 1 個 ) のファイルコピーに失敗しました。\r\n\r\n"
                                            : L"Failed to Copy (1) items.\r\n\r\n") + r.path(L"c3.txt") + L"\r\n\r\n";
    EXPECT_EQ(dialogStaticText(report), expected);
    clickButton(report, IDOK);
    CloseHandle(lock);
    EXPECT_EQ(readFileBytes(r.path(L"c3.txt")), std::string(200, 'c'));
}

TEST(FileOps, DialogsProgressAndReportTour) { dialogsTour(false); }
TEST(FileOpsJapanese, DialogsProgressAndReportTour) { dialogsTour(true); }

}  // namespace
}  // namespace tarvelo::e2e

