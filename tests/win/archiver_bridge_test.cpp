// The bridge and the per-item steps of Compress and Expand over real
// folders, with the archiver stand-ins loaded from their build folder.
#include <gtest/gtest.h>


#include "archive/win/ansi_text.h"
#include "archive/win/archive_items.h"
#include "archive/win/archiver_bridge.h"
#include "support/file_tree.h"
#include "zip_archive.h"

namespace tarvelo::archive::win {
namespace {

using testing::ScratchFolder;

std::wstring standinFolder(const wchar_t* sub = L"") {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path = exe;
    path.resize(path.find_last_of(L'\\'));  // bin
    path.resize(path.find_last_of(L'\\'));  // build folder
    return path + L"\\standins" + sub;
}

std::string readAll(const std::wstring& path) {
    std::string bytes;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
    CloseHandle(f);
    return bytes;
}

std::string narrow(const std::wstring& w) { return *toAnsi(w); }

// The stand-ins reachable through the library search (or not), and their
// call log in the scratch folder.
class ArchiverBridgeTest : public ::testing::Test {
protected:
    void useLibraries(const wchar_t* sub) {
        cookie_ = AddDllDirectory(standinFolder(sub).c_str());
        ASSERT_NE(cookie_, nullptr);
    }
    void SetUp() override {
        SetEnvironmentVariableW(L"TARVELO_STANDIN_LOG", log_.c_str());
    }
    void TearDown() override {
        if (cookie_) RemoveDllDirectory(cookie_);
        SetEnvironmentVariableW(L"TARVELO_STANDIN_LOG", nullptr);
        SetCurrentDirectoryW(L"C:\\");
    }
    std::string log() const { return readAll(log_); }

    ScratchFolder dir_{L"archiver_bridge"};
    std::wstring log_ = dir_ / L"calls.log";
    DLL_DIRECTORY_COOKIE cookie_ = nullptr;
};

TEST(AnsiText, NoBestFitAndCapacity) {
    EXPECT_EQ(toAnsi(L"\u65e5\u672c\u8a9e.txt", 932), std::string("\x93\xfa\x96\x7b\x8c\xea.txt"));
    EXPECT_EQ(toAnsi(L"caf\u00e9", 1252), std::string("caf\xe9"));
    EXPECT_EQ(fromAnsi("\x93\xfa\x96\x7b.txt", 932), L"\u65e5\u672c.txt");
    const struct {
        const wchar_t* text;
        UINT codePage;
    } refused[] = {
        {L"\u65e5\u672c.txt", 1252},  // no such characters
        {L"\uff41.txt", 1252},        // full-width a: best fit would say "a.txt"
        {L"caf\u00e9", 932},          // best fit would say "cafe"
        {L"\u2215x", 1252},           // division slash: best fit would make a separator
    };
    for (const auto& r : refused) EXPECT_FALSE(toAnsi(r.text, r.codePage)) << r.codePage;
    EXPECT_TRUE(toAnsi(std::wstring(kAnsiPathBytes - 1, L'a'), 1252));
    EXPECT_FALSE(toAnsi(std::wstring(kAnsiPathBytes, L'a'), 1252));
    EXPECT_EQ(fromAnsi(std::string(6000, 'x'), 1252).size(), kMemberNameChars);
}

TEST_F(ArchiverBridgeTest, MissingOrIncompleteLibrariesAreReportedNeverCalled) {
    {
        ArchiverBridge bridge;
        EXPECT_FALSE(bridge.sevenZipAvailable);
        EXPECT_FALSE(bridge.unrarAvailable);
        wchar_t text[64] = L"unchanged";
        EXPECT_FALSE(bridge.sevenZipVersionText(text, 64));
        EXPECT_STREQ(text, L"Not Found: 7-ZIP32.DLL");
        EXPECT_FALSE(bridge.unrarVersionText(text, 10));  // too small: left as it was
        EXPECT_STREQ(text, L"Not Found: 7-ZIP32.DLL");
        EXPECT_FALSE(bridge.listMembers(dir_ / L"a.zip"));
    }
    useLibraries(L"\\noversion");
    ArchiverBridge bridge;
    EXPECT_FALSE(bridge.sevenZipAvailable);
    wchar_t text[64] = L"";
    EXPECT_FALSE(bridge.sevenZipVersionText(text, 64));
    EXPECT_STREQ(text, L"Import Error: 7-ZIP32.DLL");
    // A loaded module would stay visible here if the bridge kept it.
    EXPECT_EQ(GetModuleHandleW(L"7-ZIP32.DLL"), nullptr);
}

TEST_F(ArchiverBridgeTest, CompressListAndExpandKeepEveryByte) {
    useLibraries(L"");
    ArchiverBridge bridge;
    ASSERT_TRUE(bridge.sevenZipAvailable);
    ASSERT_TRUE(bridge.unrarAvailable);
    wchar_t text[64] = L"";
    EXPECT_TRUE(bridge.sevenZipVersionText(text, 64));
    EXPECT_STREQ(text, L"7-ZIP32.DLL (Version 19.05) Installed.");
    EXPECT_TRUE(bridge.unrarVersionText(text, 64));
    EXPECT_STREQ(text, L"UNRAR32.DLL (Version 6.20) Installed.");

    const std::wstring src = dir_ / L"src";
    ASSERT_TRUE(testing::writeFile(src + L"\\pics\\b.bin", testing::patternBytes(1, 300000)));
    ASSERT_TRUE(testing::writeFile(src + L"\\pics\\sub\\B.txt", "upper"));
    ASSERT_TRUE(testing::makeFolders(src + L"\\pics\\empty"));
    ASSERT_TRUE(testing::writeFile(src + L"\\a.txt", testing::patternBytes(2, 5000)));
    const std::wstring current = src + L"\\";
    EXPECT_FALSE(compressItem(bridge, src + L"\\pics", current, CompressMode::Individually, ArchiveType::Zip, L"", 3,
                              UiLanguage::English));
    EXPECT_FALSE(compressItem(bridge, src + L"\\a.txt", current, CompressMode::Individually, ArchiveType::Zip, L"", 0,
                              UiLanguage::English));
    const std::string calls = log();
    EXPECT_NE(calls.find("SevenZip\ta -tzip \"" + narrow(src) + "\\pics.zip\" \"" + narrow(src) +
                         "\\pics\\*\" -hide -mx=5 -r\n"), std::string::npos) << calls;
    EXPECT_NE(calls.find("\\a.txt\" -hide -mx=0 -r-\n"), std::string::npos) << calls;

    ASSERT_TRUE(bridge.listMembers(src + L"\\pics.zip"));
    const std::vector<std::wstring> members = {L"b.bin", L"empty/", L"sub/", L"sub/B.txt"};
    EXPECT_EQ(bridge.memberNames, members);
    EXPECT_NE(log().find("SevenZipOpenArchive\t" + narrow(src) + "\\pics.zip 0x00400200"), std::string::npos);

    const testing::TreeSnapshot original = testing::snapshotTree(src + L"\\pics");
    // The new folder is named after the archive, beside it ("pics" itself
    // is taken by the source).
    ASSERT_TRUE(CopyFileW((src + L"\\pics.zip").c_str(), (src + L"\\copy.zip").c_str(), TRUE));
    EXPECT_FALSE(expandItem(bridge, src + L"\\copy.zip", true, UiLanguage::English));
    EXPECT_EQ(testing::snapshotTree(src + L"\\copy"), original);
    EXPECT_NE(GetFileAttributesW((src + L"\\copy\\empty").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(log().find("SevenZip\tx -hide -aoa \"" + narrow(src) + "\\copy.zip\" -o\"" + narrow(src) +
                         "\\copy\\\" * -r\n"), std::string::npos);
}

TEST_F(ArchiverBridgeTest, ExpandNeverOverwritesNorLeavesItsDestination) {
    useLibraries(L"");
    ArchiverBridge bridge;
    const std::wstring w = dir_ / L"w";
    ASSERT_TRUE(testing::writeFile(w + L"\\a\\one.txt", "mine"));
    ASSERT_TRUE(testing::writeFile(w + L"\\two.txt", "second"));
    ASSERT_TRUE(testing::writeFile(w + L"\\one.txt", "first"));
    ASSERT_FALSE(compressItem(bridge, w + L"\\one.txt", w + L"\\", CompressMode::AllTogether, ArchiveType::Zip,
                              L"a.zip", 3, UiLanguage::English));
    ASSERT_FALSE(compressItem(bridge, w + L"\\two.txt", w + L"\\", CompressMode::AllTogether, ArchiveType::Zip,
                              L"a.zip", 3, UiLanguage::English));
    ASSERT_TRUE(bridge.listMembers(w + L"\\a.zip"));
    EXPECT_EQ(bridge.memberNames, (std::vector<std::wstring>{L"one.txt", L"two.txt"}));

    // Folder "a" holds its own one.txt: nothing is extracted, the file keeps its bytes.
    const auto clash = expandItem(bridge, w + L"\\a.zip", true, UiLanguage::English);
    ASSERT_TRUE(clash);
    EXPECT_EQ(clash->rfind(w + L"\\a.zip\r\n", 0), 0u);
    EXPECT_NE(clash->find(L"a\\one.txt"), std::wstring::npos);
    EXPECT_EQ(readAll(w + L"\\a\\one.txt"), "mine");
    EXPECT_EQ(GetFileAttributesW((w + L"\\a\\two.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    // Beside the archive the same: one.txt and two.txt are there.
    EXPECT_TRUE(expandItem(bridge, w + L"\\a.zip", false, UiLanguage::English));
    EXPECT_EQ(readAll(w + L"\\one.txt"), "first");

    // A crafted archive with a climbing member is refused before the library extracts.
    const std::string crafted = narrow(w) + "\\evil.zip";
    std::vector<standin::ZipEntry> entries = {standin::packEntry("ok.txt", {'o', 'k'}, 6, 0, 0x21),
                                              standin::packEntry("../escaped.txt", {'x'}, 0, 0, 0x21)};
    ASSERT_TRUE(standin::writeZip(crafted, entries));
    const auto refused = expandItem(bridge, w + L"\\evil.zip", true, UiLanguage::English);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find(L"../escaped.txt"), std::wstring::npos);
    EXPECT_EQ(GetFileAttributesW((w + L"\\escaped.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW((w + L"\\evil").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(log().find("evil.zip\" -o"), std::string::npos);
}

TEST_F(ArchiverBridgeTest, DamagedArchivesAndRarItems) {
    useLibraries(L"");
    ArchiverBridge bridge;
    const std::wstring w = dir_ / L"d";
    ASSERT_TRUE(testing::writeFile(w + L"\\junk.zip", "this is not a zip archive at all"));
    EXPECT_EQ(expandItem(bridge, w + L"\\junk.zip", true, UiLanguage::English), w + L"\\junk.zip");
    EXPECT_EQ(GetFileAttributesW((w + L"\\junk").c_str()), INVALID_FILE_ATTRIBUTES);

    // Listed fine, but a member's bytes are damaged: the extraction failure counts.
    std::vector<standin::ZipEntry> entries = {standin::packEntry("data.bin", std::vector<unsigned char>(4000, 7), 6, 0, 0x21)};
    entries[0].data[entries[0].data.size() / 2] ^= 0x55;
    ASSERT_TRUE(standin::writeZip(narrow(w) + "\\bad.zip", entries));
    EXPECT_EQ(expandItem(bridge, w + L"\\bad.zip", true, UiLanguage::English), w + L"\\bad.zip");
    EXPECT_EQ(GetFileAttributesW((w + L"\\bad\\data.bin").c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_FALSE(expandItem(bridge, w + L"\\notes.txt", true, UiLanguage::English));  // passed over
    static const char kRar[] = "Rar!\x1a\x07\0docs/a.txt\thello\nb.txt\tbee";
    ASSERT_TRUE(testing::writeFile(w + L"\\r.rar", std::string(kRar, sizeof kRar - 1)));
    EXPECT_FALSE(expandItem(bridge, w + L"\\r.rar", true, UiLanguage::English));
    EXPECT_EQ(readAll(w + L"\\r\\docs\\a.txt"), "hello");
    EXPECT_EQ(readAll(w + L"\\r\\b.txt"), "bee");
    EXPECT_NE(log().find("Unrar\t-x -u -q \"" + narrow(w) + "\\r.rar\" \"" + narrow(w) + "\\r\\\" *\n"),
              std::string::npos);
    EXPECT_NE(log().find("UnrarOpenArchive\t" + narrow(w) + "\\r.rar 0x00002200"), std::string::npos);
}

TEST_F(ArchiverBridgeTest, NamesTheCodePageCannotCarryNeverReachTheLibrary) {
    useLibraries(L"");
    ArchiverBridge bridge;
    const std::wstring w = dir_ / L"j";
    // Representable in no single-byte or Japanese code page.
    const std::wstring item = w + L"\\\u0915\u0916.txt";
    ASSERT_TRUE(testing::writeFile(item, "devanagari"));
    const auto failure = compressItem(bridge, item, w + L"\\", CompressMode::Individually, ArchiveType::Zip, L"", 3,
                                      UiLanguage::English);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->rfind(item + L"\r\n", 0), 0u);
    EXPECT_EQ(bridge.lastFailure, BridgeFailure::Unrepresentable);
    EXPECT_EQ(log().find("SevenZip\ta "), std::string::npos);
    EXPECT_FALSE(bridge.listMembers(item + L".zip"));
    EXPECT_EQ(bridge.lastFailure, BridgeFailure::Unrepresentable);
}

}  // namespace
}  // namespace tarvelo::archive::win
