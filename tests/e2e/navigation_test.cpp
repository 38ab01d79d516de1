// Driving the list by keyboard as a user does: moving, entering and leaving
// folders, selecting, copying paths, sorting, the folder watch, drives and
// the folder picker's subfolder listing.
#include <gtest/gtest.h>

#include <thread>

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
        // The start folder is listed with the cursor on the parent entry.
        return waitForCursorPath(f.data + L"\\..");
    }
};

TEST(Navigation, KeyboardMovesEntersLeavesSelectsCopiesAndSorts) {
    Running r(L"keys");
    ASSERT_TRUE(r.ready());
    const std::wstring& data = r.f.data;

    // Folders come first: Down lands on alpha; Enter enters it; Backspace
    // returns with the cursor on alpha.
    pressKey(VK_DOWN);
    EXPECT_EQ(copyWith('C'), L"alpha");
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitForCursorPath(data + L"\\alpha\\"));
    pressKey(VK_BACK);
    ASSERT_TRUE(waitUntil([&] { return copyWith('C') == L"alpha"; }, 15s, 300ms));
    screenshot(r.app.mainWindow(), L"navigation-back-on-alpha");

    // Space selects and moves on; Shift+Down toggles the entry it leaves.
    pressKey(VK_DOWN);               // beta
    pressKey(VK_DOWN);               // a1.txt
    pressKey(VK_SPACE);              // a1 selected, cursor on b2
    pressKey(VK_DOWN, false, true);  // b2 selected, cursor on c3
    EXPECT_EQ(copyWith('B'), data + L"\\a1.txt\r\n" + data + L"\\b2.txt\r\n");
    screenshot(r.app.mainWindow(), L"navigation-selection");

    // Sorted by name first (Tab from the selection column), then Tab twice
    // more: extension, size, same direction: the whole list in size order.
    pressKey('A', true);
    pressKey(VK_TAB);  // name
    std::wstring byName = copyWith('B');
    EXPECT_LT(byName.find(L"a1.txt"), byName.find(L"b2.txt"));
    EXPECT_LT(byName.find(L"b2.txt"), byName.find(L"c3.txt"));
    pressKey(VK_TAB);  // extension
    pressKey(VK_TAB);  // size
    std::wstring bySize = copyWith('B');
    EXPECT_LT(bySize.find(L"b2.txt"), bySize.find(L"c3.txt"));
    EXPECT_LT(bySize.find(L"c3.txt"), bySize.find(L"a1.txt"));
    EXPECT_EQ(bySize.find(L"\\..\r\n"), std::wstring::npos);  // the parent entry is never selected
    screenshot(r.app.mainWindow(), L"navigation-sorted-by-size");
}

TEST(Navigation, FileCreatedOutsideAppearsWithSelectionKept) {
    Running r(L"watch");
    ASSERT_TRUE(r.ready());
    const std::wstring& data = r.f.data;
    pressKey(VK_TAB);  // by name
    pressKey(VK_END);
    pressKey(VK_SPACE);  // c3.txt selected (the last entry)
    ASSERT_EQ(copyWith('B'), data + L"\\c3.txt\r\n");
    r.f.box.writeFile(L"data\\d4-from-outside.txt", "hello");
    // The watch notices; the next tick of the 2.55 s timer reloads.
    std::this_thread::sleep_for(6500ms);
    EXPECT_EQ(copyWith('B'), data + L"\\c3.txt\r\n");  // the selection survived the reload
    pressKey('Q', true);                                 // clear all
    pressKey(VK_END);
    EXPECT_EQ(copyWith('C'), L"d4-from-outside.txt");
}

TEST(Navigation, DigitThreeGoesToDriveCAndBackToTheFolderLeftThere) {
    Running r(L"drive");
    ASSERT_TRUE(r.ready());
    // The data folder is on C:. Another drive from the Drive menu (Z:, its
    // last item under Wine), then 3: C: comes back at the folder left there,
    // not at its root.
    pressKey('D', false, false, true);
    std::this_thread::sleep_for(300ms);
    pressKey(VK_END);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitForCursorPath(L"Z:\\"));
    pressKey('3');
    EXPECT_TRUE(waitForCursorPath(r.f.data + L"\\"));
}

TEST(Navigation, SelectFolderWithTheBoxListsSubfolderFiles) {
    Running r(L"picker");
    ASSERT_TRUE(r.ready());
    const std::wstring& data = r.f.data;
    pressKey(VK_BACK, true);  // Ctrl+Backspace: Select Folder
    HWND picker = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (picker = r.app.findMessageBox()) != nullptr; }, 10s));
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = GetDlgItem(picker, 101)) != nullptr; }, 5s));
    EXPECT_EQ(windowText(box), L"Search SubFolder");
    EXPECT_TRUE(IsWindowEnabled(box));
    std::this_thread::sleep_for(300ms);
    screenshot(GetDesktopWindow(), L"navigation-folder-picker");
    PostMessageW(box, BM_CLICK, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 3s));
    clickButton(picker, IDOK);
    // The picker starts on the current folder: OK lists every file below it.
    ASSERT_TRUE(waitUntil([&] { return r.app.findMessageBox() == nullptr; }, 5s));
    std::this_thread::sleep_for(1500ms);
    pressKey('A', true);
    std::wstring all;
    ASSERT_TRUE(waitUntil([&] {
        all = copyWith('B');
        return all.find(L"deep.log") != std::wstring::npos;
    }, 10s, 500ms));
    EXPECT_NE(all.find(data + L"\\alpha\\inner.txt\r\n"), std::wstring::npos);
    EXPECT_NE(all.find(data + L"\\beta\\deep.log\r\n"), std::wstring::npos);
    EXPECT_NE(all.find(data + L"\\a1.txt\r\n"), std::wstring::npos);
    EXPECT_EQ(all.find(data + L"\\alpha\r\n"), std::wstring::npos);  // no folder entries
}

}  // namespace
}  // namespace tarvelo::e2e
