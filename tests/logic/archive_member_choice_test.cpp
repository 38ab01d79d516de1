#include "preview/archive_member_choice.h"

#include <gtest/gtest.h>

namespace tarvelo::preview {
namespace {

// "i" an image member, "-" anything else.
std::vector<bool> members(const char* pattern) {
    std::vector<bool> out;
    for (const char* p = pattern; *p; ++p) out.push_back(*p == 'i');
    return out;
}

TEST(ArchiveMemberChoice, WhichMemberIsShown) {
    struct Case {
        const char* what;
        const char* pattern;
        int requested;
        int previous;
        int expected;
    };
    const Case cases[] = {
        {"an image at the index is taken", "-i-i", 3, -1, 3},
        {"Enter on an archive starting with text: the first image", "--i-i", 0, -1, 2},
        {"no step: the nearest image, here the one after", "i---i-", 3, -1, 4},
        {"no step: the nearest, the later on a tie", "i-i", 1, -1, 2},
        {"no step: nearest before when after is farther", "-i---i", 2, -1, 1},
        {"Page Down from an image skips text to the next image", "i---i", 1, 0, 4},
        {"Page Up skips back to the previous image", "i---i", 3, 4, 0},
        {"Page Down past the last image stays on it", "-i--", 2, 1, 1},
        {"Page Up before the first image stays on it", "--i-", 1, 2, 2},
        {"End clamps to the last member, then the nearest image", "-i-i--", 999999, 1, 3},
        {"Home from later on: the first image", "--i-i", 0, 4, 2},
        {"a negative index counts as the first member", "i-", -5, -1, 0},
        {"no image at all", "---", 1, -1, -1},
        {"no members", "", 0, -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooseArchiveMember(members(c.pattern), c.requested, c.previous), c.expected) << c.what;
    }
}

TEST(ArchiveMemberChoice, ImageMemberNames) {
    struct Case {
        const wchar_t* name;
        bool image;
    };
    const Case cases[] = {
        {L"b.jpg", true},         {L"pics/deep/B.JPEG", true}, {L"x\\y.Png", true},     {L"a.heic", true},
        {L"a.txt", false},        {L"noext", false},           {L"pics.jpg/", false},    {L"a.jpg.txt", false},
        {L"a.zip", false},        {L"CON.jpg", false},         {L"dir/lpt1.png", false}, {L"com0.png", true},
        {L"console.png", true},   {L"*.jpg", false},           {L"a?.png", false},       {L"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(isImageMemberName(c.name), c.image) << static_cast<int>(c.image);
}

TEST(ArchiveMemberChoice, TitleAndExpandedName) {
    EXPECT_EQ(archiveTitleText(L"a.zip", L"pics/b.jpg", 2, false), L"a.zip /  pics/b.jpg  /  Compressed Files: 2");
    EXPECT_EQ(archiveTitleText(L"写真.zip", L"b.png", 12, true), L"写真.zip /  b.png  /  圧縮ファイル数: 12");
    // A member name longer than any fixed buffer is kept whole.
    const std::wstring longName(3000, L'x');
    EXPECT_EQ(archiveTitleText(L"a.7z", longName + L".png", 1, false),
              L"a.7z /  " + longName + L".png  /  Compressed Files: 1");

    EXPECT_EQ(memberBareName(L"pics/deep\\b.jpg"), L"b.jpg");
    EXPECT_EQ(memberBareName(L"pics/"), L"");
    EXPECT_EQ(expandedPreviewName(L"a", L"pics/b.JPG"), L"a.JPG");
    EXPECT_EQ(expandedPreviewName(L"my.photos", L"c.d/e.tar.png"), L"my.photos.png");
}

}  // namespace
}  // namespace tarvelo::preview
