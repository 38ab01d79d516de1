#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace tarvelo::shell {
namespace {

struct FolderCase {
    const wchar_t* line;
    const wchar_t* folder;
};

TEST(StartFolder, TakesTheFolderPartWithUpperCaseDrive) {
    const FolderCase cases[] = {
        {L"c:\\data\\report.txt", L"C:\\data\\"},
        {L"\"d:\\music\\\"", L"D:\\music\\"},
        {L"d:\\music", L"D:\\"},
        {L"  \"e:\\My Files\\a b.txt\"  ", L"E:\\My Files\\"},
        {L"x:", L"X:\\"},
        {L"c:\\a\\z:\\b\\", L"C:\\a\\Z:\\b\\"},
        {L"C:\\日本語\\ファイル.txt", L"C:\\日本語\\"},
        {L"/w 1234", L""},
        {L"", L""},
        {L"\\\\server\\share\\f.txt", L""},
        {L"\"\"\"\"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(startFolderFromCommandLine(c.line), c.folder) << c.line;
    }
}

TEST(StartFolder, VeryLongLineIsHandledWhole) {
    std::wstring line = L"c:\\";
    for (int i = 0; i < 20000; ++i) line += L"abcdefghij\\";
    line += L"file.txt";
    std::wstring folder = startFolderFromCommandLine(line);
    ASSERT_EQ(folder.size(), line.size() - 8);
    EXPECT_EQ(folder.substr(0, 3), L"C:\\");
}

TEST(RestartWait, NeedsTwoTokensAndTheMarker) {
    EXPECT_EQ(restartWaitProcessId(L"/w 1234"), 1234u);
    EXPECT_EQ(restartWaitProcessId(L"  /w   77  extra"), 77u);
    EXPECT_FALSE(restartWaitProcessId(L"/w").has_value());
    EXPECT_FALSE(restartWaitProcessId(L"/w   ").has_value());
    EXPECT_FALSE(restartWaitProcessId(L"c:\\data\\").has_value());
    // Two tokens with a second that is no number name no process.
    EXPECT_EQ(restartWaitProcessId(L"/w abc"), 0u);
    EXPECT_EQ(restartWaitProcessId(L"/w 99999999999999999999"), 0u);
}

}  // namespace
}  // namespace tarvelo::shell

namespace tarvelo::shell {
namespace {

TEST(CommandLine, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(argumentsAfterProgramName(L"\"C:\\Program Files\\T\\Tarvelo.exe\" /w 12"), L"/w 12");
    EXPECT_EQ(argumentsAfterProgramName(L"Tarvelo.exe   c:\\data\\"), L"c:\\data\\");
    EXPECT_EQ(argumentsAfterProgramName(L"Tarvelo.exe"), L"");
    EXPECT_EQ(argumentsAfterProgramName(L"\"unterminated"), L"");
    EXPECT_EQ(argumentsAfterProgramName(L""), L"");
}

}  // namespace
}  // namespace tarvelo::shell
