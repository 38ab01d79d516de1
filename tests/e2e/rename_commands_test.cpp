// Rename (N), Replace Rename (H), Make Folder (K) and Make File (Ctrl+K)
// driven by keyboard; each step compares the files' bytes.
#include <gtest/gtest.h>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

struct Running {
    ListFixture f;
    TarveloApp app;
    explicit Running(const std::wstring& name) : f(name), app(f.box, L"\"" + f.data + L"\\\"") {}
    bool ready() {
        if (!app.waitForMainWindow()) return false;
        bringToFront(app.mainWindow());
        return waitForCursorPath(f.data + L"\\..");
    }
    std::wstring path(const std::wstring& relative) const { return f.data + L"\\" + relative; }
    HWND waitForDialog(const std::wstring& caption) {
        HWND found = nullptr;
        waitUntil([&] {
            found = app.findMessageBox();
            return found && windowText(found) == caption;
        }, 15s);
        if (!found) screenshot(GetDesktopWindow(), L"renames-no-dialog");
        return found;
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
        pressKey('Q', true);
        pressKey(VK_END);
        for (int i = 0; i < fromLast; ++i) pressKey(VK_UP);
        return waitForCursorPath(path(name), 5s);
    }
};

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
    EXPECT_EQ(readFileBytes(r.path(L"a1.txt")), std::string(300, 'a'));
}

}  // namespace
}  // namespace tarvelo::e2e
