#include <gtest/gtest.h>

#include "archive/archive_commands.h"
#include "archive/archive_plan.h"
#include "archive/member_safety.h"

namespace tarvelo::archive {
namespace {

TEST(ArchiveCommands, CompressLinesFollowExtensionLevelAndRecursion) {
    struct Row {
        const wchar_t* archive;
        int levelIndex;
        bool recurse;
        const char* expected;
    };
    const Row rows[] = {
        {L"C:\\d\\a.txt.zip", 0, false, "a -tzip \"A\" \"S\" -hide -mx=0 -r-"},
        {L"C:\\d\\pics.ZIP", 1, true, "a -tzip \"A\" \"S\" -hide -mx=1 -r"},
        {L"C:\\d\\x.Zip", 2, true, "a -tzip \"A\" \"S\" -hide -mx=3 -r"},
        {L"C:\\d\\x.7z", 3, false, "a -t7z \"A\" \"S\" -hide -mx=5 -r-"},
        {L"C:\\d\\x.7Z", 4, true, "a -t7z \"A\" \"S\" -hide -mx=7 -r"},
        {L"C:\\d\\x.tar", 5, true, "a -t7z \"A\" \"S\" -hide -mx=9 -r"},
        {L"C:\\d.zip\\x", 6, false, "a -t7z \"A\" \"S\" -hide -mx=5 -r-"},  // the folder's dot does not count
        {L"x.zip", -1, false, "a -tzip \"A\" \"S\" -hide -mx=5 -r-"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(sevenZipCompressCommand("A", "S", isZipArchiveName(r.archive), r.levelIndex, r.recurse), r.expected)
            << r.levelIndex;
    }
}

TEST(ArchiveCommands, ExtractLinesOfBothLibraries) {
    EXPECT_EQ(sevenZipExtractCommand("C:\\a b.zip", "C:\\a b\\", ""), "x -hide -aoa \"C:\\a b.zip\" -o\"C:\\a b\\\" * -r");
    EXPECT_EQ(sevenZipExtractCommand("C:\\a.7z", "C:\\t\\", "d/1.jpg"), "e -hide -aoa \"C:\\a.7z\" -o\"C:\\t\\\" \"d/1.jpg\"");
    EXPECT_EQ(unrarExtractCommand("C:\\a.rar", "C:\\a\\", ""), "-x -u -q \"C:\\a.rar\" \"C:\\a\\\" *");
    EXPECT_EQ(unrarExtractCommand("C:\\a.rar", "C:\\t\\", "1.jpg"), "-e -u -q \"C:\\a.rar\" \"C:\\t\\\" \"1.jpg\"");
}

TEST(ArchiveCommands, LibraryByExtensionOnly) {
    EXPECT_EQ(libraryForArchive(L"C:\\x\\A.ZIP"), ArchiverLibrary::SevenZip);
    EXPECT_EQ(libraryForArchive(L"b.7Z"), ArchiverLibrary::SevenZip);
    EXPECT_EQ(libraryForArchive(L"c.Rar"), ArchiverLibrary::Unrar);
    EXPECT_FALSE(libraryForArchive(L"d.tar.gz"));
    EXPECT_FALSE(libraryForArchive(L"C:\\x.zip\\readme"));
    EXPECT_FALSE(libraryForArchive(L"zip"));
}

TEST(ArchiveCommands, MembersSortByCodeUnitsKeepingEqualNames) {
    std::vector<std::wstring> names = {L"b.txt", L"B.txt", L"a/1.jpg", L"a/10.jpg", L"a/9.jpg", L"\u65e5.txt", L"B.txt"};
    sortMemberNames(names);
    const std::vector<std::wstring> expected = {L"B.txt", L"B.txt", L"a/1.jpg", L"a/10.jpg", L"a/9.jpg", L"b.txt",
                                                L"\u65e5.txt"};
    EXPECT_EQ(names, expected);
}

TEST(ArchivePlan, CompressSourcesAndArchives) {
    struct Row {
        const wchar_t* item;
        bool folder;
        CompressMode mode;
        ArchiveType type;
        const wchar_t* source;
        const wchar_t* archive;
    };
    const Row rows[] = {
        {L"C:\\w\\a.txt", false, CompressMode::Individually, ArchiveType::Zip, L"C:\\w\\a.txt", L"C:\\w\\a.txt.zip"},
        {L"C:\\w\\x.tar.gz", false, CompressMode::Individually, ArchiveType::Zip, L"C:\\w\\x.tar.gz", L"C:\\w\\x.tar.gz.zip"},
        {L"C:\\w\\pics", true, CompressMode::Individually, ArchiveType::SevenZip, L"C:\\w\\pics\\*", L"C:\\w\\pics.7z"},
        {L"C:\\w\\v1.2", true, CompressMode::AllTogether, ArchiveType::Zip, L"v1.2\\*", L"C:\\w\\all.zip"},
        {L"C:\\w\\a.txt", false, CompressMode::AllTogether, ArchiveType::Zip, L"C:\\w\\a.txt", L"C:\\w\\all.zip"},
    };
    for (const Row& r : rows) {
        const CompressStep s = planCompress(r.item, r.folder, r.mode, r.type, L"all.zip");
        EXPECT_EQ(s.source, r.source);
        EXPECT_EQ(s.archive, r.archive);
        EXPECT_EQ(s.recurse, r.folder);
        EXPECT_EQ(s.fromCurrentFolder, r.mode == CompressMode::AllTogether);
    }
}

TEST(ArchivePlan, ArchiveNameField) {
    EXPECT_EQ(proposedArchiveName(L"C:\\w\\x.tar.gz", ArchiveType::Zip), L"x.tar.zip");
    EXPECT_EQ(proposedArchiveName(L"C:\\w\\pics", ArchiveType::SevenZip), L"pics.7z");
    struct Row {
        const wchar_t* typed;
        ArchiveType type;
        bool accept;
        const wchar_t* text;
    };
    const Row rows[] = {
        {L"backup", ArchiveType::Zip, false, L"backup.zip"},
        {L"backup.zip", ArchiveType::Zip, true, L"backup.zip"},
        {L"Backup.ZIP", ArchiveType::Zip, true, L"Backup.ZIP"},
        {L"backup.zip", ArchiveType::SevenZip, false, L"backup.zip.7z"},
        {L"b.7Z", ArchiveType::SevenZip, true, L"b.7Z"},
        {L"", ArchiveType::Zip, false, L"first.zip"},
        {L"zip", ArchiveType::Zip, false, L"zip.zip"},
    };
    for (const Row& r : rows) {
        const NameDecision d = decideArchiveName(r.typed, r.type, L"first.zip");
        EXPECT_EQ(d.accept, r.accept) << r.typed;
        EXPECT_EQ(d.text, r.text) << r.typed;
    }
    EXPECT_TRUE(hasInvalidArchiveNameChar(L"a|b"));
    EXPECT_FALSE(hasInvalidArchiveNameChar(L"a\tb c.zip"));
    EXPECT_EQ(withoutInvalidArchiveNameChars(L"\ta/b*c?d\"e>f<g|h\t.zip"), L"abcdefgh.zip");
}

TEST(ArchivePlan, ExpandDestinations) {
    const auto into = planExpand(L"C:\\w\\a.b.ZIP", true);
    ASSERT_TRUE(into);
    EXPECT_EQ(into->library, ArchiverLibrary::SevenZip);
    EXPECT_EQ(into->newFolder, L"C:\\w\\a.b\\");
    EXPECT_EQ(into->destination, L"C:\\w\\a.b\\");
    const auto beside = planExpand(L"C:\\w\\r.rar", false);
    ASSERT_TRUE(beside);
    EXPECT_EQ(beside->library, ArchiverLibrary::Unrar);
    EXPECT_EQ(beside->newFolder, L"");
    EXPECT_EQ(beside->destination, L"C:\\w\\");
    EXPECT_FALSE(planExpand(L"C:\\w\\notes.txt", true));
}

TEST(MemberSafety, NamesThatLeaveTheDestinationAreRefused) {
    struct Row {
        const wchar_t* name;
        bool safe;
    };
    const Row rows[] = {
        {L"a.txt", true},          {L"docs/a.txt", true},      {L"docs\\sub\\", true},
        {L"./a.txt", true},        {L"a..b.txt", true},        {L"..a", true},
        {L"../evil.txt", false},   {L"docs/../../x", false},   {L"docs\\..\\..\\x", false},
        {L"..", false},            {L"a/.../b", false},        {L"a/.. /b", false},
        {L"/etc/x", false},        {L"\\x.txt", false},        {L"\\\\srv\\s\\x", false},
        {L"C:\\x.txt", false},     {L"c:x.txt", false},        {L"a.txt:stream", false},
        {L"", false},
    };
    for (const Row& r : rows) EXPECT_EQ(isSafeMemberName(r.name), r.safe) << r.name;
}

TEST(MemberSafety, TargetPaths) {
    EXPECT_EQ(memberTargetPath(L"C:\\d\\", L"a/b.txt"), L"C:\\d\\a\\b.txt");
    EXPECT_EQ(memberTargetPath(L"C:\\d", L"a/"), L"C:\\d\\a");
    EXPECT_TRUE(isFolderMember(L"a/"));
    EXPECT_FALSE(isFolderMember(L"a/b"));
}

}  // namespace
}  // namespace tarvelo::archive
