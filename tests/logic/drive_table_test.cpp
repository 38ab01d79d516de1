#include "filelist/drive_table.h"

#include <gtest/gtest.h>

namespace tarvelo::filelist {
namespace {

using Facts = std::array<std::optional<DriveFacts>, kDriveCount>;

DriveFacts fixedDrive(std::wstring volume, uint64_t freeBytes = 1000, uint64_t totalBytes = 5000) {
    DriveFacts f;
    f.driveType = kDriveTypeFixed;
    f.volumeName = std::move(volume);
    f.freeBytes = freeBytes;
    f.totalBytes = totalBytes;
    f.fileSystemName = L"NTFS";
    f.serialNumber = 0x1234ABCD;
    f.maxComponentLength = 255;
    f.fileSystemFlags = 0x3;
    return f;
}

TEST(DriveTextsTest, TypeTextsByCode) {
    const std::wstring_view expected[] = {L"Unknown", L"No-Root", L"Removable", L"SSD/HDD",
                                          L"Remote/Network", L"CD-ROM/DVD/Blu-ray", L"RAM-Disk"};
    for (int code = 0; code < 7; ++code) EXPECT_EQ(driveTypeText(code), expected[code]) << code;
    EXPECT_EQ(driveTypeText(7), L"Unknown");
    EXPECT_EQ(driveTypeText(-1), L"Unknown");
}

TEST(DriveTextsTest, LettersRootsAndDigits) {
    EXPECT_EQ(driveLetter(1), L'A');
    EXPECT_EQ(driveLetter(26), L'Z');
    EXPECT_EQ(driveLetter(0), 0);
    EXPECT_EQ(driveLetter(27), 0);
    EXPECT_EQ(driveRoot(3), L"C:\\");
    EXPECT_EQ(driveRoot(27), L"");
    EXPECT_EQ(driveDigit(1), L'1');
    EXPECT_EQ(driveDigit(9), L'9');
    EXPECT_EQ(driveDigit(10), L' ');
    EXPECT_EQ(driveDigit(26), L' ');
}

TEST(DriveTextsTest, MenuAndPopupTexts) {
    DriveInfo c;
    c.root = L"C:\\";
    c.volumeName = L"Windows";
    DriveInfo z;
    z.root = L"Z:\\";
    DriveInfo j;
    j.root = L"J:\\";
    j.volumeName = L"データ";  // wide text must come through whole
    struct Case {
        const DriveInfo* info;
        int drive;
        std::wstring_view text;
    } cases[] = {
        {&c, 3, L"[ C: ] Windows  \t3"},
        {&z, 26, L"[ Z: ]   \t "},
        {&j, 10, L"[ J: ] データ  \t "},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(driveMenuText(*k.info, k.drive), k.text);
        EXPECT_EQ(drivePopupText(*k.info, k.drive), k.text);
    }
    EXPECT_EQ(driveLabel(c), L"[ C: ] Windows");
    EXPECT_EQ(shortcutFolderPopupText(L"D:\\Music"), L"D:\\Music  \t0");
}

TEST(DriveTextsTest, ButtonShowsTheLastFolderOrQuestionMarks) {
    DriveInfo d;
    EXPECT_EQ(driveButtonText(d), L"???");
    d.lastFolder = L"C:\\Work";
    EXPECT_EQ(driveButtonText(d), L"C:\\Work");
    d.lastFolder = L"\\\\srv\\x";
    EXPECT_EQ(driveButtonText(d), L"???");
}

TEST(DriveTableTest, RebuildFillsPresentDrivesAndKeepsLastFolders) {
    DriveTable table;
    Facts facts;
    facts[2] = fixedDrive(L"Sys");
    facts[25] = fixedDrive(L"");
    EXPECT_EQ(table.rebuild(facts), 2);
    EXPECT_EQ(table.presentCount(), 2);
    EXPECT_EQ(table.presentMask(), (1u << 2) | (1u << 25));

    const DriveInfo* c = table.slot(3);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->present);
    EXPECT_EQ(c->root, L"C:\\");
    EXPECT_EQ(c->typeText, L"SSD/HDD");
    EXPECT_EQ(c->freeBytes, 1000u);
    EXPECT_EQ(c->totalBytes, 5000u);
    EXPECT_EQ(c->volumeName, L"Sys");
    EXPECT_EQ(c->fileSystemName, L"NTFS");
    EXPECT_EQ(c->serialNumber, 0x1234ABCDu);
    EXPECT_FALSE(table.isPresent(4));
    EXPECT_EQ(table.slot(4)->root, L"D:\\");  // absent slots still know their root
    EXPECT_EQ(table.slot(0), nullptr);
    EXPECT_EQ(table.slot(27), nullptr);

    table.noteLoad(L"C:\\Work\\Sub");
    EXPECT_EQ(table.slot(3)->lastFolder, L"C:\\Work\\Sub");
    EXPECT_EQ(table.slot(26)->lastFolder, L"");

    // C: vanishes and comes back: its data is cleared, its last folder kept.
    Facts onlyZ;
    onlyZ[25] = fixedDrive(L"");
    EXPECT_EQ(table.rebuild(onlyZ), 1);
    EXPECT_FALSE(table.slot(3)->present);
    EXPECT_EQ(table.slot(3)->volumeName, L"");
    EXPECT_EQ(table.rebuild(facts), 2);
    EXPECT_EQ(table.slot(3)->lastFolder, L"C:\\Work\\Sub");
}

TEST(DriveTableTest, LastFolderOnlyForPresentDrivesHoldingTheFolder) {
    DriveTable table;
    Facts facts;
    facts[2] = fixedDrive(L"");
    facts[3] = fixedDrive(L"");
    table.rebuild(facts);
    table.noteLoad(L"e:\\x");  // E: is absent
    EXPECT_EQ(table.slot(5)->lastFolder, L"");
    table.noteLoad(L"d:\\music");  // letter case does not matter
    EXPECT_EQ(table.slot(4)->lastFolder, L"d:\\music");
    EXPECT_EQ(table.slot(3)->lastFolder, L"");
    EXPECT_EQ(table.driveOfFolder(L"D:\\music"), 4);
    EXPECT_EQ(table.driveOfFolder(L"\\\\srv\\share"), 0);
    EXPECT_EQ(table.driveOfFolder(L"Q:\\"), 0);
}

TEST(DriveTableTest, OnlyPresentLocalDrivesAreQuickToReach) {
    DriveTable table;
    Facts facts;
    facts[2] = fixedDrive(L"");
    facts[25] = fixedDrive(L"");
    facts[25]->driveType = kDriveTypeRemote;
    table.rebuild(facts);
    EXPECT_TRUE(table.isQuickToReach(L"C:\\Work"));
    EXPECT_TRUE(table.isQuickToReach(L"c:\\"));
    EXPECT_FALSE(table.isQuickToReach(L"Z:\\share"));  // network drive
    EXPECT_FALSE(table.isQuickToReach(L"D:\\"));        // absent
    EXPECT_FALSE(table.isQuickToReach(L"\\\\srv\\x"));
    EXPECT_FALSE(table.isQuickToReach(L"C"));
    EXPECT_FALSE(table.isQuickToReach(L"1:\\"));
}

}  // namespace
}  // namespace tarvelo::filelist
