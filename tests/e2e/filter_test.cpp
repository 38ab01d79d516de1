// Search-select (Ctrl+F) with its hit marks and De-emphasize (Ctrl+G),
// filtering by strings (F3) and its switch (F2), driven by keyboard; the
// list is read back through Copy : Fullpath and the list's pixels.
#include <gtest/gtest.h>

#include <algorithm>

#include "list_fixture.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

struct Running {
    ListFixture f;
    TarveloApp app;
    explicit Running(const std::wstring& name) : f(name), app(f.box, L"\"" + f.data + L"\\\"") {
        f.box.writeFile(L"data\\abc_def.txt", "one");
        f.box.writeFile(L"data\\def-abc.log", "two");
        f.box.writeFile(L"data\\abc.txt", "three");
    }
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
        if (!found) screenshot(GetDesktopWindow(), L"filter-no-dialog-" + caption);
        return found;
    }
    void shoot(HWND window, const std::wstring& name) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &ignored);
        Sleep(150);  // Wine draws another process's controls a moment after the ping
        screenshot(window, name);
    }
    bool waitGone(HWND dialog) { return waitUntil([&] { return !IsWindow(dialog); }, 15s); }
    // The selected entries' full paths, one per line.
    bool waitForSelection(const std::wstring& expected) {
        std::wstring last;
        const bool ok = waitUntil([&] { return (last = copyWith('B')) == expected; }, 15s, 300ms);
        if (!ok) ADD_FAILURE() << "selection: " << std::string(last.begin(), last.end());
        return ok;
    }
    std::wstring lines(std::initializer_list<const wchar_t*> names) const {
        std::wstring out;
        for (const wchar_t* n : names) out += path(n) + L"\r\n";
        return out;
    }
    // Pixels of the list in the search-hit colour of the default theme.
    int hitPixels() {
        HWND list = GetDlgItem(app.mainWindow(), 1000);
        const Capture c = captureWindow(list);
        return static_cast<int>(std::count(c.pixels.begin(), c.pixels.end(), 0xF06E00u));
    }
};

// Ctrl+F, a colon refused, the selection by two terms and its marks.
void searchSelect(Running& r, const std::wstring& caption, const std::wstring& shot) {
    pressKey('F', true);
    HWND dialog = r.waitForDialog(caption);
    ASSERT_NE(dialog, nullptr);
    typeText(L"abc:");
    HWND attention = r.waitForDialog(L"Attention");
    ASSERT_NE(attention, nullptr);
    clickButton(attention, IDOK);
    ASSERT_TRUE(r.waitGone(attention));
    ASSERT_TRUE(waitUntil([&] { return windowText(GetDlgItem(dialog, 1015)) == L"abc"; }, 5s))
        << "the colon is removed";
    SendMessageW(GetDlgItem(dialog, 1015), CB_SETEDITSEL, 0, MAKELPARAM(3, 3));
    typeText(L" def");
    ASSERT_TRUE(waitUntil([&] { return windowText(GetDlgItem(dialog, 1015)) == L"abc def"; }, 5s));
    r.shoot(dialog, shot + L"-dialog");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(dialog));
    r.waitForSelection(r.lines({L"abc_def.txt", L"def-abc.log"}));
    EXPECT_TRUE(waitUntil([&] { return r.hitPixels() > 0; }, 5s)) << "hits marked";
    r.shoot(r.app.mainWindow(), shot + L"-hits");
}

TEST(Filtering, SearchSelectThenFilterAndToggleKeepingTheSelection) {
    Running r(L"filter-keys");
    ASSERT_TRUE(r.ready());
    searchSelect(r, L"Search and Select Strings", L"filter-search");
    const std::wstring history = readUtf16File(r.f.box.file(L"Tarvelo_SearchData.ini"));
    EXPECT_NE(history.find(L"String_01=abc def"), std::wstring::npos);

    // Ctrl+G takes the marks away and brings them back.
    pressKey('G', true);
    EXPECT_TRUE(waitUntil([&] { return r.hitPixels() == 0; }, 5s)) << "de-emphasized";
    pressKey('G', true);
    EXPECT_TRUE(waitUntil([&] { return r.hitPixels() > 0; }, 5s)) << "emphasized again";

    // F3 with .txt: the log file leaves the list (and the selection).
    pressKey(VK_F3);
    HWND dialog = r.waitForDialog(L"Filtering by Strings");
    ASSERT_NE(dialog, nullptr);
    typeText(L".txt");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(dialog));
    r.waitForSelection(r.lines({L"abc_def.txt"}));
    r.shoot(r.app.mainWindow(), L"filter-filtered");

    // F2: the whole list again with the selection kept.
    pressKey(VK_F2);
    r.waitForSelection(r.lines({L"abc_def.txt"}));
    pressKey('A', true);
    r.waitForSelection(r.lines({L"alpha", L"beta", L"a1.txt", L"abc.txt", L"abc_def.txt", L"b2.txt", L"c3.txt",
                                L"def-abc.log"}));
    // F2 again: the filter applies; folders stay, every entry still selected.
    pressKey(VK_F2);
    r.waitForSelection(r.lines({L"alpha", L"beta", L"a1.txt", L"abc.txt", L"abc_def.txt", L"b2.txt", L"c3.txt"}));
    EXPECT_NE(readUtf16File(r.f.box.file(L"Tarvelo_FilteringData.ini")).find(L"String_01=.txt"), std::wstring::npos);
    EXPECT_EQ(readFileBytes(r.path(L"def-abc.log")), "two");
}

TEST(FilteringJapanese, StringDialogAndHits) {
    Running r(L"filter-ja");
    ASSERT_TRUE(r.ready());
    searchSelect(r, L"文字列検索して選択", L"filter-search-ja");
    pressKey(VK_F3);
    HWND dialog = r.waitForDialog(L"文字列によるフィルタリング");
    ASSERT_NE(dialog, nullptr);
    r.shoot(dialog, L"filter-filtering-dialog-ja");
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(r.waitGone(dialog));
    // Cancel writes no history.
    EXPECT_FALSE(fileExists(r.f.box.file(L"Tarvelo_FilteringData.ini")));
}

}  // namespace
}  // namespace tarvelo::e2e
