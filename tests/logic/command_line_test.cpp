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
        // Quoted with a trailing backslash, as cmd passes it: the escaped
        // quote is the backslash, not part of the name.
        {L"\"Z:\\some\\with space\\\"", L"Z:\\some\\with space\\"},
        // As Wine and CreateProcess quote it: the backslash doubled.
        {L"\"Z:\\some\\with space\\\\\"", L"Z:\\some\\with space\\"},
        {L"Z:\\some\\with   space\\", L"Z:\\some\\with   space\\"},
        {L"c:\\\\data\\\\\\x\\\\", L"C:\\data\\x\\"},
        {L"\\\\?\\C:\\data\\\\f.txt", L"\\\\?\\C:\\data\\"},
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

TEST(CommandLine, ArgumentsSplitAsWindowsProgramsSplitThem) {
    struct Case {
        const wchar_t* line;
        std::vector<std::wstring> args;
    };
    const Case cases[] = {
        {L"a b\tc", {L"a", L"b", L"c"}},
        {L"\"a b\" c", {L"a b", L"c"}},
        {L"a\\\\b c\\", {L"a\\\\b", L"c\\"}},          // backslashes alone are literal
        {L"\"a\\\\\" b", {L"a\\", L"b"}},              // 2n: n, and the quote closes
        {L"\"a\\\"\" b", {L"a\"", L"b"}},                // 2n+1: n and a literal quote
        {L"\"a\\\\\\\"b\"", {L"a\\\"b"}},
        {L"a\"b c\"d", {L"ab cd"}},                    // quotes group inside a word
        {L"\"a\"\"b\"", {L"a\"b"}},                     // "" inside quotes
        {L"\"\"", {L""}},                              // an empty argument
        {L"\"unterminated x", {L"unterminated x"}},
        {L"   ", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitArguments(c.line), c.args) << c.line;
}

TEST(CommandLine, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(argumentsAfterProgramName(L"\"C:\\Program Files\\T\\Tarvelo.exe\" /w 12"), L"/w 12");
    EXPECT_EQ(argumentsAfterProgramName(L"Tarvelo.exe   c:\\data\\"), L"c:\\data\\");
    EXPECT_EQ(argumentsAfterProgramName(L"Tarvelo.exe"), L"");
    EXPECT_EQ(argumentsAfterProgramName(L"\"unterminated"), L"");
    EXPECT_EQ(argumentsAfterProgramName(L""), L"");
}

}  // namespace
}  // namespace tarvelo::shell
