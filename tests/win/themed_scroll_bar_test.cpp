#include "shell/win/themed_scroll_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/theme_palette.h"

namespace tarvelo::shell::win {
namespace {

struct VScroll {
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<VScroll>& received() {
    static std::vector<VScroll> messages;
    return messages;
}

LRESULT CALLBACK parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL) {
        received().push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A hidden top-level window that records the WM_VSCROLL messages it gets.
class ScrollBarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = parentProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarveloScrollBarTestParent";
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, wc.lpszClassName, L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 400, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(bar.create(parent, 27001));
        // Client 17 x 332: a 300-pixel track at 96 DPI.
        bar.setDpi(96);
        SetWindowPos(bar.hwnd(), nullptr, 0, 0, 17, 332, SWP_NOZORDER | SWP_NOACTIVATE);
        received().clear();
    }
    void TearDown() override {
        bar.destroy();
        if (parent) DestroyWindow(parent);
    }
    void click(UINT down, UINT up, int y, WPARAM keys = 0) {
        SendMessageW(bar.hwnd(), down, keys, MAKELPARAM(8, y));
        if (up) SendMessageW(bar.hwnd(), up, 0, MAKELPARAM(8, y));
    }
    HWND parent = nullptr;
    ThemedScrollBar bar;
};

TEST_F(ScrollBarWindowTest, IsAChildWithItsIdAndText) {
    EXPECT_EQ(GetParent(bar.hwnd()), parent);
    EXPECT_EQ(GetDlgCtrlID(bar.hwnd()), 27001);
    wchar_t text[64] = {};
    GetWindowTextW(bar.hwnd(), text, 64);
    EXPECT_STREQ(text, L"CustomScrollBarV");
    EXPECT_EQ(bar.getRange(), std::make_pair(0, 0));
    EXPECT_EQ(bar.pageSize(), 1);
}

TEST_F(ScrollBarWindowTest, SetPosClampsAndNotifiesTheParent) {
    bar.setRange(0, 99);
    bar.setPageSize(20);
    EXPECT_EQ(bar.getRange(), std::make_pair(0, 99));
    bar.setPos(95, true);
    EXPECT_EQ(bar.pos(), 80);
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(LOWORD(received()[0].wParam), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(received()[0].wParam), 80);
    EXPECT_EQ(reinterpret_cast<HWND>(received()[0].lParam), bar.hwnd());

    bar.setPos(85, true);  // clamps to 80 again: nothing happens
    bar.setPos(10, false);
    EXPECT_EQ(bar.pos(), 10);
    EXPECT_EQ(received().size(), 1u);
}

TEST_F(ScrollBarWindowTest, PageLargerThanTheRangeStaysAtZero) {
    bar.setRange(0, 9);
    bar.setPageSize(100);
    bar.setPos(5, true);
    bar.setPos(-3, true);
    EXPECT_EQ(bar.pos(), 0);
    EXPECT_TRUE(received().empty());
}

TEST_F(ScrollBarWindowTest, MouseInputMovesAndReports) {
    bar.setRange(0, 99);
    bar.setPageSize(20);
    bar.setPos(70, false);
    click(WM_LBUTTONDOWN, WM_LBUTTONUP, 300);  // track below the thumb: a page down
    EXPECT_EQ(bar.pos(), 80);
    EXPECT_EQ(GetCapture(), nullptr);
    click(WM_RBUTTONDOWN, 0, 166);  // jump to the pointer
    EXPECT_EQ(bar.pos(), 40);
    SendMessageW(bar.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(bar.pos(), 46);
    SendMessageW(bar.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(bar.pos(), 40);
    click(WM_LBUTTONDOWN, WM_LBUTTONUP, 5);  // up arrow
    EXPECT_EQ(bar.pos(), 39);
    EXPECT_FALSE(bar.model().repeatActive());
    ASSERT_EQ(received().size(), 5u);
    EXPECT_EQ(HIWORD(received().back().wParam), 39);
}

TEST_F(ScrollBarWindowTest, ThumbDragAndLostCapture) {
    bar.setRange(0, 99);
    bar.setPageSize(20);
    bar.setPos(40, false);
    SendMessageW(bar.hwnd(), WM_LBUTTONDOWN, 0, MAKELPARAM(8, 150));
    EXPECT_TRUE(bar.model().dragging());
    EXPECT_EQ(GetCapture(), bar.hwnd());
    SendMessageW(bar.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 275));
    EXPECT_EQ(bar.pos(), 80);
    ReleaseCapture();  // someone else takes the pointer
    EXPECT_FALSE(bar.model().dragging());
}

TEST_F(ScrollBarWindowTest, PaintsBackgroundArrowsAndThumb) {
    ThemePalette palette = buildPalette(kThemeDark, 0);
    bar.setColours(palette);
    bar.setRange(0, 99);
    bar.setPageSize(20);
    bar.setPos(40, false);  // thumb 141..191

    platform::BackBuffer target;
    ASSERT_TRUE(target.resize(17, 332));
    bar.paint(target.dc());
    const COLORREF back = palette[Role::B0].value;
    const Colour b11 = palette[Role::B11];
    const COLORREF arrow = averageColour(b11, averageColour(b11, palette[Role::B0])).value;
    EXPECT_EQ(GetPixel(target.dc(), 8, 60), back);    // track
    EXPECT_EQ(GetPixel(target.dc(), 8, 166), arrow);  // thumb, not hovered
    EXPECT_EQ(GetPixel(target.dc(), 6, 166), back);   // 7-pixel inset
    EXPECT_EQ(GetPixel(target.dc(), 8, 9), arrow);    // up arrow
    EXPECT_EQ(GetPixel(target.dc(), 8, 323), arrow);  // down arrow
    EXPECT_EQ(GetPixel(target.dc(), 1, 1), back);

    // An empty range draws no thumb.
    bar.setRange(0, 0);
    bar.setPos(0, false);
    bar.paint(target.dc());
    EXPECT_EQ(GetPixel(target.dc(), 8, 30), back);
}

TEST_F(ScrollBarWindowTest, ScalesWithDpi) {
    bar.setDpi(144);
    bar.setRange(0, 1999);
    bar.setPageSize(30);
    const ScrollGeometry g = bar.model().geometry();
    EXPECT_EQ(g.button, 24);
    EXPECT_EQ(g.thumbLength, 30);
}

}  // namespace
}  // namespace tarvelo::shell::win
