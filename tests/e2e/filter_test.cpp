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
    // The selected entries' full paths, in any order (the list may sort by
    // the selection marks).
    static std::vector<std::wstring> sortedLines(const std::wstring& text) {
        std::vector<std::wstring> out;
        size_t at = 0;
        while (at < text.size()) {
            size_t end = text.find(L"\r\n", at);
            if (end == std::wstring::npos) end = text.size();
            out.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    bool waitForSelection(const std::wstring& step, std::initializer_list<const wchar_t*> names) {
        std::vector<std::wstring> expected;
        for (const wchar_t* n : names) expected.push_back(path(n));
        std::sort(expected.begin(), expected.end());
        std::wstring last;
        const bool ok = waitUntil([&] { return sortedLines(last = copyWith('B')) == expected; }, 15s, 300ms);
        if (!ok) ADD_FAILURE() << std::string(step.begin(), step.end()) << ": " << std::string(last.begin(), last.end());
        return ok;
    }
    // The list's pixels, to tell whether the hit marks are drawn.
    std::vector<uint32_t> listPixels() { return captureWindow(GetDlgItem(app.mainWindow(), 1000)).pixels; }
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
    r.waitForSelection(L"search-select", {L"abc_def.txt", L"def-abc.log"});
    r.shoot(r.app.mainWindow(), shot + L"-hits");
    // Ctrl+G takes the marks away (and only they differ), Ctrl+G again brings them back.
    const std::vector<uint32_t> marked = r.listPixels();
    pressKey('G', true);
    EXPECT_TRUE(waitUntil([&] { return r.listPixels() != marked; }, 5s)) << "de-emphasized";
    r.shoot(r.app.mainWindow(), shot + L"-plain");
    pressKey('G', true);
    EXPECT_TRUE(waitUntil([&] { return r.listPixels() == marked; }, 5s)) << "emphasized again";
}

TEST(Filtering, SearchSelectThenFilterAndToggleKeepingTheSelection) {
    Running r(L"filter-keys");
    ASSERT_TRUE(r.ready());
    searchSelect(r, L"Search and Select Strings", L"filter-search");
    const std::wstring history = readUtf16File(r.f.box.file(L"Tarvelo_SearchData.ini"));
    EXPECT_NE(history.find(L"String_01=abc def"), std::wstring::npos);

    // F3 with .txt: the log file leaves the list (and the selection).
    pressKey(VK_F3);
    HWND dialog = r.waitForDialog(L"Filtering by Strings");
    ASSERT_NE(dialog, nullptr);
    typeText(L".txt");
    pressKey(VK_RETURN);
    ASSERT_TRUE(r.waitGone(dialog));
    r.waitForSelection(L"filtered", {L"abc_def.txt"});
    r.shoot(r.app.mainWindow(), L"filter-filtered");

    // F2: the whole list again with the selection kept.
    pressKey(VK_F2);
    r.waitForSelection(L"unfiltered", {L"abc_def.txt"});
    pressKey('A', true);
    r.waitForSelection(L"all", {L"alpha", L"beta", L"a1.txt", L"abc.txt", L"abc_def.txt", L"b2.txt", L"c3.txt",
                                L"def-abc.log"});
    // F2 again: the filter applies; folders stay, every entry still selected.
    pressKey(VK_F2);
    r.waitForSelection(L"filtered again", {L"alpha", L"beta", L"a1.txt", L"abc.txt", L"abc_def.txt", L"b2.txt", L"c3.txt"});
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
