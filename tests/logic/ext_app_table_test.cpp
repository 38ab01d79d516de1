#include "launch/ext_app_table.h"

#include <gtest/gtest.h>

#include "common/utf16le.h"
#include "support/fake_byte_file_system.h"

namespace tarvelo::launch {
namespace {

constexpr wchar_t kExe[] = L"C:\\Tools\\Tarvelo.exe";

std::u16string fileText(const testing::FakeByteFileSystem& files, const std::wstring& path) {
    const auto& bytes = files.files.at(path);
    return common::decodeUtf16le(std::span(bytes).subspan(2));
}

TEST(ExtAppTable, AMissingFileGetsTheDefaultsAndAll30Keys) {
    testing::FakeByteFileSystem files;
    shell::SectionFileStore store(files, kExe);
    ExtAppTable table;
    EXPECT_TRUE(table.loadOrSeed(store));
    std::u16string expected = u"#\r\n# [ExtAppData]\r\n#\r\n"
                              u"ExtApp_01=.txt = notepad.exe\r\n"
                              u"ExtApp_02=.bat .cmd .ini .log = notepad.exe\r\n"
                              u"ExtApp_03=.html .css .js .json = notepad.exe\r\n"
                              u"ExtApp_04=.zip .7z .rar = \r\n"
                              u"ExtApp_05=.mp4 .mp3 .avi .wav .wmv = \r\n";
    for (int n = 6; n <= 30; ++n) expected += (n < 10 ? u"ExtApp_0" : u"ExtApp_") + common::toUtf16(std::to_wstring(n)) + u"=\r\n";
    const std::wstring path = store.filePath(L"ExtAppData");
    EXPECT_EQ(path, L"C:\\Tools\\Tarvelo_ExtAppData.ini");
    EXPECT_EQ(fileText(files, path), expected);
    EXPECT_EQ(table.entry(3), L".zip .7z .rar = ");
    EXPECT_EQ(table.entry(29), L"");

    // The next start finds the file and writes nothing.
    ExtAppTable again;
    EXPECT_FALSE(again.loadOrSeed(store));
    EXPECT_EQ(files.writes, 1);
    EXPECT_EQ(again.entry(1), L".bat .cmd .ini .log = notepad.exe");
}

TEST(ExtAppTable, EntriesWithoutEqualsAreClearedAndOthersKept) {
    testing::FakeByteFileSystem files;
    shell::SectionFileStore store(files, kExe);
    store.writeMany(L"ExtAppData", std::vector<shell::SectionFileStore::KeyValue>{
                                       {L"ExtApp_01", L"no equals here"},
                                       {L"ExtApp_02", L".txt = " + std::wstring(5000, L'a')},
                                       {L"ExtApp_07", L".md = code.exe"}});
    ExtAppTable table;
    EXPECT_FALSE(table.loadOrSeed(store));  // the file exists: no defaults
    EXPECT_EQ(table.entry(0), L"");
    EXPECT_EQ(table.entry(1), L"");  // over-long: skipped, the rest kept
    EXPECT_EQ(table.entry(6), L".md = code.exe");
    EXPECT_EQ(table.entry(-1), L"");
    EXPECT_EQ(table.entry(30), L"");
}

TEST(ExtAppTable, AnUnreadableFileIsNeitherSeededNorWritten) {
    testing::FakeByteFileSystem files;
    shell::SectionFileStore store(files, kExe);
    const std::wstring path = store.filePath(L"ExtAppData");
    files.files[path] = {0xFF, 0xFE, 'A', 0, '=', 0, 'b', 0};
    const auto before = files.files.at(path);
    files.unreadable.insert(path);
    ExtAppTable table;
    EXPECT_FALSE(table.loadOrSeed(store));
    EXPECT_EQ(table.entry(0), L"");
    files.unreadable.clear();
    table.setEntry(0, L".txt = x.exe");
    EXPECT_FALSE(table.save(store));
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(files.files.at(path), before);
}

}  // namespace
}  // namespace tarvelo::launch
