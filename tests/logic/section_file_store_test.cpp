#include "shell/section_file_store.h"

#include <gtest/gtest.h>

#include "common/utf16le.h"
#include "support/fake_byte_file_system.h"

namespace tarvelo::shell {
namespace {

using namespace std::literals;

constexpr wchar_t kExe[] = L"C:\\Tools\\Tarvelo.exe";
constexpr wchar_t kSaveDataPath[] = L"C:\\Tools\\Tarvelo_SaveData.ini";

std::vector<std::uint8_t> utf16le(std::u16string_view text, bool bom = true) {
    std::vector<std::uint8_t> bytes;
    if (bom) bytes = {0xFF, 0xFE};
    common::appendUtf16le(bytes, text);
    return bytes;
}

class SectionFileStoreTest : public ::testing::Test {
protected:
    testing::FakeByteFileSystem files;
    SectionFileStore store{files, kExe};

    void putSaveData(std::u16string_view text, bool bom = true) {
        files.files[kSaveDataPath] = utf16le(text, bom);
    }
    std::u16string saveDataText() const {
        const auto& bytes = files.files.at(kSaveDataPath);
        EXPECT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1], 0xFE);
        return common::decodeUtf16le(std::span(bytes).subspan(2));
    }
};

TEST_F(SectionFileStoreTest, WritesTheDocumentedBytes) {
    EXPECT_TRUE(store.write(L"SaveData", L"CurrentFolder", L"C:\\Work\\"));
    EXPECT_TRUE(store.write(L"SaveData", L"ShortCutFolder", L"D:\\"));
    EXPECT_EQ(files.files.at(kSaveDataPath),
              utf16le(u"#\r\n# [SaveData]\r\n#\r\nCurrentFolder=C:\\Work\\\r\nShortCutFolder=D:\\\r\n"));
    EXPECT_EQ(store.read(L"SaveData", L"CurrentFolder"), L"C:\\Work\\");
    EXPECT_EQ(store.read(L"SaveData", L"ShortCutFolder"), L"D:\\");
}

TEST_F(SectionFileStoreTest, WritingAKeyAgainMovesItToTheEndOnce) {
    store.write(L"SaveData", L"A", L"1");
    store.write(L"SaveData", L"B", L"2");
    store.write(L"SaveData", L"A", L"3");
    store.write(L"SaveData", L"A", L"4");
    EXPECT_EQ(saveDataText(), u"#\r\n# [SaveData]\r\n#\r\nB=2\r\nA=4\r\n");
}

TEST_F(SectionFileStoreTest, RewriteDropsCommentsBlankLinesAndEveryLineWithTheKey) {
    // Hand-edited: LF-only endings, blank lines, comments, a duplicate key and
    // a line that only contains the key text.
    putSaveData(u"# mine\n\nK=old\n  Z=9\r\nXK=x\r\nK=older\n#K=c\n");
    store.write(L"SaveData", L"K", L"new");
    EXPECT_EQ(saveDataText(), u"#\r\n# [SaveData]\r\n#\r\n  Z=9\r\nK=new\r\n");
}

TEST_F(SectionFileStoreTest, ReadsTheFirstLineContainingTheKeyAnywhere) {
    putSaveData(u"#\r\n# [FolderData]\r\n#\r\nXFolder_01=abc\r\nFolder_01=C:\\\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"Folder_01"), L"Xabc");

    putSaveData(u"#Folder_01=C:\\\r\nFolder_01=D:\\\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"Folder_01"), L"D:\\");  // comment skipped

    putSaveData(u"Folder_01=a Folder_01=b\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"Folder_01"), L"a b");  // every occurrence removed

    putSaveData(u"folder_01=lower\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"Folder_01"), L"");  // case matters
}

TEST_F(SectionFileStoreTest, ControlCharacterLinesAreSkipped) {
    putSaveData(u"\tK=tab\r\n\x01K=ctl\r\n K=space\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"K"), L" space");
}

TEST_F(SectionFileStoreTest, EmptySectionOrKeyReadsEmptyAndWritesNothing) {
    putSaveData(u"=x\r\n");
    EXPECT_EQ(store.read(L"SaveData", L""), L"");
    EXPECT_EQ(store.read(L"", L"K"), L"");
    EXPECT_FALSE(store.write(L"SaveData", L"", L"v"));
    EXPECT_FALSE(store.write(L"", L"K", L"v"));
    EXPECT_EQ(files.writes, 0);
}

TEST_F(SectionFileStoreTest, JapaneseAndSupplementaryCharactersSurvive) {
    const std::wstring value = common::fromUtf16(u"D:\\写真\\\U00020BB7");
    store.write(L"SaveData", L"CurrentFolder", value);
    EXPECT_EQ(store.read(L"SaveData", L"CurrentFolder"), value);
    EXPECT_EQ(saveDataText(), u"#\r\n# [SaveData]\r\n#\r\nCurrentFolder=D:\\写真\\\U00020BB7\r\n");
}

TEST_F(SectionFileStoreTest, LineBreaksInAValueCannotPlantAnotherLine) {
    store.write(L"SaveData", L"String_01", L"a\r\nString_02=evil\nb");
    EXPECT_EQ(store.read(L"SaveData", L"String_01"), L"aString_02=evilb");
    EXPECT_EQ(saveDataText(), u"#\r\n# [SaveData]\r\n#\r\nString_01=aString_02=evilb\r\n");
}

TEST_F(SectionFileStoreTest, DataFilesAreNamedPerSection) {
    EXPECT_EQ(store.filePath(L"ExtAppData"), L"C:\\Tools\\Tarvelo_ExtAppData.ini");
    EXPECT_FALSE(store.fileExists(L"ExtAppData"));
    store.write(L"ExtAppData", L"ExtApp_01", L".txt = notepad.exe");
    EXPECT_TRUE(store.fileExists(L"ExtAppData"));
    EXPECT_EQ(store.read(L"SaveData", L"ExtApp_01"), L"");  // other section, other file
}

// ---- bad input ----------------------------------------------------------

TEST_F(SectionFileStoreTest, MalformedFilesReadTheirReadablePart) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const wchar_t* expected;
    };
    auto withOddByte = utf16le(u"K=v\r\n");
    withOddByte.push_back(0x41);
    auto truncatedMidLine = utf16le(u"K=value");
    truncatedMidLine.pop_back();  // "K=valu" and half a unit
    std::vector<std::uint8_t> garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<std::uint8_t>((i * 7919 + 13) % 251));
    auto garbageThenKey = garbage;
    auto keyLine = utf16le(u"\r\nK=found\r\n", false);
    garbageThenKey.insert(garbageThenKey.end(), keyLine.begin(), keyLine.end());

    const Case cases[] = {
        {"no bom", utf16le(u"K=v\r\n", false), L"v"},
        {"empty", {}, L""},
        {"bom only", {0xFF, 0xFE}, L""},
        {"single byte", {0xFF}, L""},
        {"odd byte count", withOddByte, L"v"},
        {"truncated", truncatedMidLine, L"valu"},
        {"nul in line", utf16le(u"K=ab\0cd\r\n"sv), L"ab"},
        {"nul first", utf16le(u"\0K=x\r\nK=y\r\n"sv), L"y"},
        {"garbage", garbage, L""},
        {"garbage then key", garbageThenKey, L"found"},
        {"narrow text is UTF-8", {'K', '=', 'v', '\r', '\n'}, L"v"},
    };
    for (const Case& c : cases) {
        files.files[kSaveDataPath] = c.bytes;
        EXPECT_EQ(store.read(L"SaveData", L"K"), c.expected) << c.name;
        // A rewrite of a malformed file still gives a well-formed one.
        EXPECT_TRUE(store.write(L"SaveData", L"N", L"1")) << c.name;
        EXPECT_EQ(store.read(L"SaveData", L"N"), L"1") << c.name;
    }
}

TEST_F(SectionFileStoreTest, LongLinesAreReadIn8191CharacterPieces) {
    // The key's line is 100,000 characters: the first piece holds the key and
    // the next 8189 characters; the rest arrives as separate lines.
    std::u16string value(100000 - 2, u'a');
    for (size_t i = 0; i < value.size(); i += 1000) value[i] = u'b';
    putSaveData(u"K=" + value + u"\r\nL=after\r\n");
    const std::wstring read = store.read(L"SaveData", L"K");
    EXPECT_EQ(read, common::fromUtf16(value.substr(0, 8189)));
    EXPECT_EQ(store.read(L"SaveData", L"L"), L"after");

    // A key whose text sits exactly on the boundary is split and not found.
    putSaveData(std::u16string(8190, u'x') + u"K=v\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"K"), L"");
    // A key starting right after the boundary opens a line of its own.
    putSaveData(std::u16string(8191, u'x') + u"K=v\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"K"), L"v");
    // CR of a line of exactly 8190 characters ends its piece; the LF piece is
    // skipped, so the next line is read normally.
    putSaveData(std::u16string(8188, u'y') + u"Q=\r\nK=w\r\n");
    EXPECT_EQ(store.read(L"SaveData", L"Q"), common::fromUtf16(std::u16string(8188, u'y')));
    EXPECT_EQ(store.read(L"SaveData", L"K"), L"w");
}

TEST_F(SectionFileStoreTest, AFileThatCannotBeWrittenIsLeftAsItWas) {
    putSaveData(u"A=1\r\n");
    const auto before = files.files.at(kSaveDataPath);
    files.unwritable.insert(kSaveDataPath);
    EXPECT_FALSE(store.write(L"SaveData", L"B", L"2"));
    EXPECT_EQ(files.files.at(kSaveDataPath), before);
}

TEST_F(SectionFileStoreTest, AFileThatCannotBeReadIsNotReplaced) {
    putSaveData(u"A=1\r\nB=2\r\n");
    const auto before = files.files.at(kSaveDataPath);
    files.unreadable.insert(kSaveDataPath);
    EXPECT_EQ(store.read(L"SaveData", L"A"), L"");
    EXPECT_FALSE(store.write(L"SaveData", L"C", L"3"));
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(files.files.at(kSaveDataPath), before);
}

TEST(Utf16le, CodecRoundTripsAndKeepsLoneSurrogates) {
    const std::u16string units = u"A\u00E9\u3042\xD800Z\xDC00\U0001F600";
    std::vector<std::uint8_t> bytes;
    common::appendUtf16le(bytes, units);
    ASSERT_EQ(bytes.size(), units.size() * 2);
    EXPECT_EQ(bytes[4], 0x42);  // U+3042, low byte first
    EXPECT_EQ(bytes[5], 0x30);
    EXPECT_EQ(common::decodeUtf16le(bytes), units);
    EXPECT_EQ(common::toUtf16(common::fromUtf16(units)), units);
}

}  // namespace
}  // namespace tarvelo::shell

namespace tarvelo::shell {
namespace {

TEST(SectionFileStoreBatch, WriteManyEqualsWritingOneAfterAnother) {
    testing::FakeByteFileSystem oneByOne;
    testing::FakeByteFileSystem batched;
    SectionFileStore a(oneByOne, L"C:\\Tools\\Tarvelo.exe");
    SectionFileStore b(batched, L"C:\\Tools\\Tarvelo.exe");
    for (SectionFileStore* s : {&a, &b}) {
        s->write(L"FolderData", L"Other", L"keep");
        s->write(L"FolderData", L"Folder_02", L"old");
    }
    const std::vector<SectionFileStore::KeyValue> pairs = {
        {L"Folder_01", L"C:\\"}, {L"Folder_02", L"D:\\data"}, {L"Folder_03", L""}};
    for (const auto& kv : pairs) a.write(L"FolderData", kv.key, kv.value);
    ASSERT_TRUE(b.writeMany(L"FolderData", pairs));
    const std::wstring path = a.filePath(L"FolderData");
    EXPECT_EQ(oneByOne.readAll(path), batched.readAll(path));
    EXPECT_EQ(b.read(L"FolderData", L"Folder_02"), L"D:\\data");
    EXPECT_EQ(b.read(L"FolderData", L"Other"), L"keep");
    // A pair without a key changes nothing.
    EXPECT_FALSE(b.writeMany(L"FolderData", std::vector<SectionFileStore::KeyValue>{{L"", L"x"}}));
    EXPECT_EQ(oneByOne.readAll(path), batched.readAll(path));
}

}  // namespace
}  // namespace tarvelo::shell

namespace tarvelo::shell {
namespace {

constexpr wchar_t kToolExe[] = L"C:\\Tools\\Tarvelo.exe";

std::vector<std::uint8_t> bytesOf(std::string_view narrow) { return {narrow.begin(), narrow.end()}; }

TEST(SectionFileStoreBatch, ReadManyTakesEachKeysFirstLineInOneRead) {
    testing::FakeByteFileSystem files;
    SectionFileStore store(files, kToolExe);
    const std::wstring path = store.filePath(L"D");
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    common::appendUtf16le(bytes, u"#B=comment\r\nA=B=1\r\nXC=x\r\nC=late\r\nB=2\r\n");
    files.files[path] = bytes;
    const std::vector<std::wstring> keys = {L"A", L"B", L"C", L"A", L"", L"Missing"};
    const SectionValues got = store.readMany(L"D", keys);
    EXPECT_EQ(got.state, DataFileState::Readable);
    EXPECT_EQ(files.reads, 1);
    EXPECT_EQ(got.values, (std::vector<std::wstring>{L"B=1", L"A=1", L"Xx", L"B=1", L"", L""}));
    EXPECT_EQ(store.readMany(L"None", keys).state, DataFileState::Missing);
}

TEST(SectionFileStoreBatch, WriteManyOfTrickyPairsEqualsWritingOneAfterAnother) {
    // Repeated keys, a value holding a later key's text, keys holding '='.
    const std::vector<SectionFileStore::KeyValue> pairs = {
        {L"K", L"1"}, {L"L", L"has M=inside"}, {L"M", L"2"}, {L"K", L"3"}, {L"A=B", L"4"}, {L"B", L"5"}};
    testing::FakeByteFileSystem oneByOne;
    testing::FakeByteFileSystem batched;
    SectionFileStore a(oneByOne, kToolExe);
    SectionFileStore b(batched, kToolExe);
    const std::wstring path = a.filePath(L"D");
    std::vector<std::uint8_t> start = {0xFF, 0xFE};
    common::appendUtf16le(start, u"keep=1\r\nK=old\r\nxA=B=y\r\n\r\nB=old\nM=old\r\nlast\r\n");
    oneByOne.files[path] = start;
    batched.files[path] = start;
    for (const auto& kv : pairs) ASSERT_TRUE(a.write(L"D", kv.key, kv.value));
    const int readsBefore = batched.reads;
    ASSERT_TRUE(b.writeMany(L"D", pairs));
    EXPECT_EQ(batched.reads - readsBefore, 1);
    EXPECT_EQ(batched.writes, 1);
    EXPECT_EQ(oneByOne.files.at(path), batched.files.at(path));
}

TEST(SectionFileStoreBatch, AnUnreadableFileIsReadOnlyForTheRun) {
    testing::FakeByteFileSystem files;
    SectionFileStore store(files, kToolExe);
    const std::wstring path = store.filePath(L"FolderData");
    files.files[path] = bytesOf("\xFF\xFE" "F\0=\0x\0");
    const auto before = files.files.at(path);
    files.unreadable.insert(path);
    EXPECT_EQ(store.readMany(L"FolderData", std::vector<std::wstring>{L"F"}).state, DataFileState::Unreadable);
    EXPECT_TRUE(store.isReadOnly(L"FolderData"));
    EXPECT_FALSE(store.takeReadOnlyNotice());  // nothing refused yet

    // Readable again a moment later: still not written over in this run.
    files.unreadable.clear();
    EXPECT_FALSE(store.write(L"FolderData", L"F", L"y"));
    EXPECT_FALSE(store.write(L"FolderData", L"G", L"z"));
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(files.files.at(path), before);
    EXPECT_TRUE(store.takeReadOnlyNotice());
    EXPECT_FALSE(store.takeReadOnlyNotice());  // told once
    // Other sections are not affected.
    EXPECT_TRUE(store.write(L"SaveData", L"A", L"1"));
}

TEST(SectionFileStoreBatch, TextWithoutUtf16MarkIsReadAsUtf8WhenItIsValidUtf8) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const wchar_t* expected;
    };
    std::vector<std::uint8_t> utf16NoMark;
    common::appendUtf16le(utf16NoMark, u"K=\u5199\u771F\r\n");
    const Case cases[] = {
        {"utf-8", bytesOf("#\r\nK=D:\\\xE5\x86\x99\xE7\x9C\x9F\r\n"), L"D:\\\u5199\u771F"},
        {"utf-8 with mark", bytesOf("\xEF\xBB\xBFK=\xF0\xA0\xAE\xB7\n"), L"\U00020BB7"},
        {"lf only", bytesOf("A=1\nK=v\n"), L"v"},
        {"utf-16 without mark", utf16NoMark, L"\u5199\u771F"},
        {"broken utf-8 is utf-16", bytesOf("K=\xC3\x28\r\n"), L""},
        {"overlong is not utf-8", bytesOf("K=\xC0\xAF\r\n"), L""},
        {"cut-off sequence", bytesOf("K=\xE5\x86"), L""},
    };
    for (const Case& c : cases) {
        testing::FakeByteFileSystem files;
        SectionFileStore store(files, kToolExe);
        const std::wstring path = store.filePath(L"FolderData");
        files.files[path] = c.bytes;
        // Not valid UTF-8: read as the program's UTF-16, where "K=" is not found.
        EXPECT_EQ(store.read(L"FolderData", L"K"), c.expected) << c.name;
        if (!*c.expected) continue;
        // The next save writes UTF-16LE with its mark and keeps the value.
        ASSERT_TRUE(store.write(L"FolderData", L"N", L"1")) << c.name;
        EXPECT_EQ(files.files.at(path)[0], 0xFF) << c.name;
        EXPECT_EQ(files.files.at(path)[1], 0xFE) << c.name;
        EXPECT_EQ(store.read(L"FolderData", L"K"), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace tarvelo::shell
