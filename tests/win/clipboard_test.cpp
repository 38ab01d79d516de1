#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/clipboard.h"

namespace tarvelo::platform {
namespace {

// Holds the clipboard open from another thread (with a window of its own, as
// another program would) for a while.
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD holdMs) {
        thread_ = std::thread([this, holdMs] {
            HWND window = CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, GetModuleHandleW(nullptr), nullptr);
            opened_ = window && OpenClipboard(window) != FALSE;
            ready_ = true;
            if (opened_) {
                Sleep(holdMs);
                CloseClipboard();
            }
            if (window) DestroyWindow(window);
        });
        while (!ready_) Sleep(1);
    }
    ~ClipboardHolder() { thread_.join(); }
    bool opened() const { return opened_; }

private:
    std::thread thread_;
    std::atomic<bool> ready_{false};
    std::atomic<bool> opened_{false};
};

std::wstring longText(size_t length) {
    // Mixed ASCII, kana, kanji and line breaks, so a truncation or a
    // narrowing anywhere shows.
    const std::wstring pattern = L"abc\u3042\u3044\u65e5\u672c\r\nXYZ 0123 ";
    std::wstring text;
    text.reserve(length);
    while (text.size() < length) text += pattern;
    text.resize(length);
    return text;
}

TEST(ClipboardTest, TextRoundTrips) {
    const struct {
        const char* name;
        std::wstring text;
    } cases[] = {
        {"japanese", L"C:\\\u30c6\u30b9\u30c8\\\u65e5\u672c\u8a9e\u306e\u30d5\u30a1\u30a4\u30eb.txt\r\n"},
        {"surrogate pair", L"\U0001F600 emoji \U00020B9F"},
        {"empty", L""},
        {"100000 characters", longText(100000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(setClipboardText(nullptr, c.text));
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
        const auto back = readClipboardText(nullptr);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->size(), c.text.size());
        EXPECT_TRUE(*back == c.text);
    }
}

TEST(ClipboardTest, TextReplacesEveryOtherFormatAndTakesTheOwner) {
    const UINT custom = RegisterClipboardFormatW(L"Tarvelo Test Format");
    ASSERT_NE(custom, 0u);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_NE(block, nullptr);
    ASSERT_NE(SetClipboardData(custom, block), nullptr);
    CloseClipboard();
    ASSERT_TRUE(IsClipboardFormatAvailable(custom));

    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(setClipboardText(owner, L"names"));
    EXPECT_FALSE(IsClipboardFormatAvailable(custom));
    EXPECT_EQ(GetClipboardOwner(), owner);
    EXPECT_EQ(readClipboardText(owner).value_or(L"?"), L"names");
    DestroyWindow(owner);
}

TEST(ClipboardTest, TextAfterAnEmbeddedZeroIsDropped) {
    const std::wstring text(L"first\0second", 12);
    ASSERT_TRUE(setClipboardText(nullptr, text));
    EXPECT_EQ(readClipboardText(nullptr).value_or(L"?"), L"first");
}

TEST(ClipboardTest, ReadWithoutTextGivesNothing) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(readClipboardText(nullptr).has_value());
}

TEST(ClipboardTest, ReadStopsAtTheEndOfAnUnterminatedBlock) {
    // Four characters and no terminating zero: the reader must stay inside
    // the block (some systems end such a text early themselves).
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t));
    ASSERT_NE(block, nullptr);
    auto* chars = static_cast<wchar_t*>(GlobalLock(block));
    chars[0] = L'w';
    chars[1] = L'x';
    chars[2] = L'y';
    chars[3] = L'z';
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, block), nullptr);
    CloseClipboard();
    const auto back = readClipboardText(nullptr);
    ASSERT_TRUE(back.has_value());
    EXPECT_GE(back->size(), 3u);
    EXPECT_TRUE(std::wstring(L"wxyz").starts_with(*back)) << "read past the block";
}

TEST(ClipboardTest, WritingWaitsOutABriefHolder) {
    ASSERT_TRUE(setClipboardText(nullptr, L"before"));
    {
        ClipboardHolder holder(80);
        ASSERT_TRUE(holder.opened());
        EXPECT_TRUE(setClipboardText(nullptr, L"after"));
    }
    EXPECT_EQ(readClipboardText(nullptr).value_or(L"?"), L"after");
}

TEST(ClipboardTest, WritingGivesUpOnALongHolderAndKeepsTheOldText) {
    ASSERT_TRUE(setClipboardText(nullptr, L"kept"));
    {
        ClipboardHolder holder(2500);
        ASSERT_TRUE(holder.opened());
        EXPECT_FALSE(setClipboardText(nullptr, L"lost"));
    }
    EXPECT_EQ(readClipboardText(nullptr).value_or(L"?"), L"kept");
}

}  // namespace
}  // namespace tarvelo::platform
