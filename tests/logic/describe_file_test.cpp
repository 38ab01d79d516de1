#include "filelist/describe_file.h"

#include <gtest/gtest.h>

#include <map>

namespace tarvelo::filelist {
namespace {

TEST(SplitForDescription, RootsFoldersAndNames) {
    struct Case {
        const wchar_t* path;
        const wchar_t* root;
        const wchar_t* folder;
        const wchar_t* stem;
        const wchar_t* ext;
    };
    const Case cases[] = {
        {L"\\\\?\\UNC\\srv\\share\\d\\a.txt", L"\\\\srv\\share", L"\\d\\", L"a", L".txt"},
        {L"\\\\?\\unc\\srv\\share\\d\\a.txt", L"\\\\srv\\share", L"\\d\\", L"a", L".txt"},
        {L"\\\\?\\C:\\d\\a.txt", L"C:", L"\\d\\", L"a", L".txt"},
        {L"\\\\srv\\share\\d\\e\\a.txt", L"\\\\srv\\share", L"\\d\\e\\", L"a", L".txt"},
        {L"\\\\srv\\share\\a", L"\\\\srv\\share", L"\\", L"a", L""},
        {L"\\\\srv\\share", L"\\\\srv\\share", L"", L"", L""},
        {L"\\\\srv", L"\\\\srv", L"", L"", L""},
        {L"C:\\d\\e\\archive.tar.gz", L"C:", L"\\d\\e\\", L"archive.tar", L".gz"},
        {L"C:\\dir.v2\\noext", L"C:", L"\\dir.v2\\", L"noext", L""},
        {L"C:\\.profile", L"C:", L"\\", L"", L".profile"},
        {L"C:", L"C:", L"", L"", L""},
        {L"a.txt", L"", L"", L"a", L".txt"},
        {L"", L"", L"", L"", L""},
        {L"\\\\?\\UNC", L"", L"", L"UNC", L""},  // too short for the UNC form
        {L"\\\\?\\UNC\\", L"\\\\", L"", L"", L""},
    };
    for (const auto& c : cases) {
        DescriptionParts p = splitForDescription(c.path);
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.path)));
        EXPECT_EQ(p.root, c.root);
        EXPECT_EQ(p.folder, c.folder);
        EXPECT_EQ(p.stem, c.stem);
        EXPECT_EQ(p.extension, c.ext);
    }
}

TEST(WithLongPathPrefix, DriveNetworkAndPrefixedPaths) {
    EXPECT_EQ(withLongPathPrefix(L"C:\\d\\a.txt"), L"\\\\?\\C:\\d\\a.txt");
    EXPECT_EQ(withLongPathPrefix(L"\\\\srv\\share\\a.txt"), L"\\\\?\\UNC\\srv\\share\\a.txt");
    EXPECT_EQ(withLongPathPrefix(L"\\\\?\\C:\\a"), L"\\\\?\\C:\\a");
    EXPECT_EQ(withLongPathPrefix(L"\\\\?\\UNC\\s\\h\\a"), L"\\\\?\\UNC\\s\\h\\a");
}

// Answers from a table and remembers which path it was asked for.
class FakeReader : public FileAttributeReader {
public:
    std::map<std::wstring, FileAttributeData> files;
    mutable std::wstring lastPath;
    std::optional<FileAttributeData> read(std::wstring_view path) const override {
        lastPath.assign(path);
        auto it = files.find(lastPath);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
};

FileAttributeData data(uint64_t size, uint32_t attributes, LocalStamp modified) {
    FileAttributeData d;
    d.size = size;
    d.attributes = attributes;
    d.modified = modified;
    d.created = {2000, 1, 1, 0, 0, 0};  // must not show
    return d;
}

TEST(DescribeFile, TextOfFileFolderAndUnreadable) {
    FakeReader reader;
    reader.files[L"C:\\d\\a.txt"] = data(1234567, kAttrArchive, {2024, 3, 1, 9, 5, 7});
    reader.files[L"C:\\d\\sub"] = data(4096, kAttrDirectory, {2023, 12, 31, 23, 59, 58});
    reader.files[L"C:\\d\\報告書.txt"] = data(5, 0, {2024, 1, 2, 3, 4, 5});

    EXPECT_EQ(describeFile(L"C:\\d\\a.txt", reader),
              L"C:\\d\\\r\na.txt\r\n1,234,567 Byte\r\n2024/03/01 09:05:07\r\n");
    EXPECT_EQ(reader.lastPath, L"C:\\d\\a.txt");
    EXPECT_EQ(describeFile(L"C:\\d\\sub", reader),
              L"C:\\d\\\r\nsub\r\n0 Byte\r\n2023/12/31 23:59:58\r\n");
    EXPECT_EQ(describeFile(L"C:\\d\\報告書.txt", reader),
              L"C:\\d\\\r\n報告書.txt\r\n5 Byte\r\n2024/01/02 03:04:05\r\n");
    EXPECT_EQ(describeFile(L"C:\\d\\missing.txt", reader), L"");
    EXPECT_EQ(describeFile(L"", reader), L"");
}

TEST(DescribeFile, LongPathsAreReadThroughTheirLongForm) {
    FakeReader reader;
    const std::wstring folder = L"C:\\" + std::wstring(250, L'x') + L"\\";
    const std::wstring at259 = folder + std::wstring(259 - folder.size() - 4, L'n') + L".txt";
    const std::wstring at260 = folder + std::wstring(260 - folder.size() - 4, L'n') + L".txt";
    ASSERT_EQ(at259.size(), 259u);
    ASSERT_EQ(at260.size(), 260u);
    reader.files[at259] = data(1, 0, {2024, 3, 1, 0, 0, 0});
    reader.files[L"\\\\?\\" + at260] = data(2, 0, {2024, 3, 1, 0, 0, 0});

    EXPECT_NE(describeFile(at259, reader), L"");
    EXPECT_EQ(reader.lastPath, at259);
    const std::wstring text = describeFile(at260, reader);
    EXPECT_EQ(reader.lastPath, L"\\\\?\\" + at260);
    EXPECT_EQ(text.substr(0, folder.size() + 2), folder + L"\r\n");  // prefix not shown
    EXPECT_NE(text.find(L"\r\n2 Byte\r\n"), std::wstring::npos);

    // A long network path takes the UNC form and shows the server root.
    const std::wstring unc = L"\\\\srv\\share\\" + std::wstring(260, L'd') + L"\\a.txt";
    reader.files[L"\\\\?\\UNC\\srv\\share\\" + std::wstring(260, L'd') + L"\\a.txt"] =
        data(3, 0, {2024, 3, 1, 0, 0, 0});
    EXPECT_EQ(describeFile(unc, reader),
              L"\\\\srv\\share\\" + std::wstring(260, L'd') +
                  L"\\\r\na.txt\r\n3 Byte\r\n2024/03/01 00:00:00\r\n");
}

}  // namespace
}  // namespace tarvelo::filelist
