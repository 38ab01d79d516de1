#include "preview/preview_state.h"

#include <gtest/gtest.h>

namespace tarvelo::preview {
namespace {

constexpr int kEsc = 0x1B, kEnter = 0x0D, kDown = 0x28, kPgDn = 0x22, kPgUp = 0x21, kEnd = 0x23, kHome = 0x24,
              kLetterA = 0x41;

TEST(PreviewState, FirstInputAfterAShownPreview) {
    struct Case {
        const char* what;
        PreviewInput kind;
        int vk;
        bool consumed;
        bool modeAfter;
    };
    const Case cases[] = {
        {"Esc is consumed and ends the walk", PreviewInput::Key, kEsc, true, false},
        {"Enter too", PreviewInput::Key, kEnter, true, false},
        {"Down walks on", PreviewInput::Key, kDown, false, true},
        {"Page Down walks on", PreviewInput::Key, kPgDn, false, true},
        {"a letter ends the walk but still acts", PreviewInput::Key, kLetterA, false, false},
        {"a click ends it", PreviewInput::MouseButton, 0, false, false},
        {"the wheel ends it", PreviewInput::Wheel, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PreviewState s;
        s.request(L"C:\\a.png", 0);
        EXPECT_EQ(s.takePending(), L"C:\\a.png");
        EXPECT_TRUE(s.pending().empty());
        s.shown();
        EXPECT_EQ(s.firstInput(c.kind, c.vk), c.consumed);
        EXPECT_FALSE(s.showing());
        EXPECT_EQ(s.mode(), c.modeAfter);
        // Only the first input after the preview is filtered.
        EXPECT_FALSE(s.firstInput(PreviewInput::Key, kEsc));
    }
}

TEST(PreviewState, WalkingThroughTheFolder) {
    PreviewState s;
    s.request(L"C:\\a.png", 0);
    s.takePending();
    s.shown();
    s.firstInput(PreviewInput::Key, kDown);
    s.cursorMoved(L"C:\\b.png", false, false);
    EXPECT_EQ(s.pending(), L"C:\\b.png");
    s.takePending();
    s.cursorMoved(L"C:\\sub", true, false);
    EXPECT_TRUE(s.pending().empty()) << "a folder gives no preview";
    EXPECT_TRUE(s.mode());
    // Page keys step through the members of the file under the cursor.
    EXPECT_TRUE(s.pageKey(kPgDn, L"C:\\z.zip"));
    EXPECT_EQ(s.memberIndex(), 1);
    EXPECT_TRUE(s.pageKey(kPgUp, L"C:\\z.zip"));
    EXPECT_TRUE(s.pageKey(kPgUp, L"C:\\z.zip"));
    EXPECT_EQ(s.memberIndex(), 0) << "never below the first member";
    EXPECT_TRUE(s.pageKey(kEnd, L"C:\\z.zip"));
    EXPECT_EQ(s.memberIndex(), kLastMember);
    EXPECT_TRUE(s.pageKey(kHome, L"C:\\z.zip"));
    EXPECT_EQ(s.memberIndex(), 0);
    EXPECT_FALSE(s.pageKey(kDown, L"C:\\z.zip"));
    // Reaching the parent entry ends the walk.
    s.cursorMoved(L"C:\\x\\..", true, true);
    EXPECT_FALSE(s.mode());
    EXPECT_TRUE(s.pending().empty());
    EXPECT_FALSE(s.pageKey(kPgDn, L"C:\\z.zip")) << "page keys move the cursor again";
    s.cursorMoved(L"C:\\c.png", false, false);
    EXPECT_TRUE(s.pending().empty());
}

}  // namespace
}  // namespace tarvelo::preview
