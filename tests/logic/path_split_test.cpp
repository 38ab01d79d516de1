#include "common/path_split.h"

#include <gtest/gtest.h>

namespace tarvelo::common {
namespace {

TEST(PathSplit, MatchesTheRuntimeSplitting) {
    struct Case {
        const wchar_t* path;
        const wchar_t* drive;
        const wchar_t* dir;
        const wchar_t* stem;
        const wchar_t* ext;
    };
    const Case cases[] = {
        {L"C:\\a\\b.txt", L"C:", L"\\a\\", L"b", L".txt"},
        {L"C:\\a\\..", L"C:", L"\\a\\", L".", L"."},
        {L"C:\\a\\.profile", L"C:", L"\\a\\", L"", L".profile"},
        {L"C:\\a\\archive.tar.gz", L"C:", L"\\a\\", L"archive.tar", L".gz"},
        {L"C:\\a\\noext", L"C:", L"\\a\\", L"noext", L""},
        {L"\\\\srv\\share\\d\\a.txt", L"", L"\\\\srv\\share\\d\\", L"a", L".txt"},
        {L"C:", L"C:", L"", L"", L""},
        {L"", L"", L"", L"", L""},
    };
    for (const auto& c : cases) {
        PathParts p = splitPath(c.path);
        EXPECT_EQ(p.drive, c.drive) << c.path;
        EXPECT_EQ(p.directory, c.dir) << c.path;
        EXPECT_EQ(p.stem, c.stem) << c.path;
        EXPECT_EQ(p.extension, c.ext) << c.path;
    }
    EXPECT_EQ(fileName(L"C:\\x\\report.final.doc"), L"report.final.doc");
}

}  // namespace
}  // namespace tarvelo::common
