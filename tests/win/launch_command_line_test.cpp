// The command lines built for started programs, split again the way a
// started program splits its own: each path must come back whole.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/launch_command_lines.h"

namespace tarvelo::launch {
namespace {

std::vector<std::wstring> split(const std::wstring& line) {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> out;
    for (int i = 0; args && i < count; ++i) out.emplace_back(args[i]);
    LocalFree(args);
    return out;
}

TEST(LaunchCommandLineSplit, ProgramAndPathComeBackWhole) {
    struct Case {
        std::wstring program;
        std::wstring path;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {L"notepad.exe", L"C:\\docs\\readme.TXT", {L"notepad.exe", L"C:\\docs\\readme.TXT"}},
        {L"C:\\Program Files\\エディタ\\ed.exe", L"C:\\my docs\\報告  書.txt",
         {L"C:\\Program Files\\エディタ\\ed.exe", L"C:\\my docs\\報告  書.txt"}},
        {L"C:\\tools\\x.exe", L"C:\\", {L"C:\\tools\\x.exe", L"C:\\"}},
        {L"C:\\tools\\x.exe", L"\\\\server\\share\\a b\\", {L"C:\\tools\\x.exe", L"\\\\server\\share\\a b\\"}},
        {L"x.exe", L"C:\\a&b %PATH% ^c.txt", {L"x.exe", L"C:\\a&b %PATH% ^c.txt"}},
        {L"\"C:\\my ed\\ed.exe\" /r -n", L"C:\\a b.txt", {L"C:\\my ed\\ed.exe", L"/r", L"-n", L"C:\\a b.txt"}},
    };
    for (const Case& c : cases) {
        const std::optional<std::wstring> line = candidateCommandLine(c.program, c.path);
        ASSERT_TRUE(line.has_value()) << testing::PrintToString(c.path);
        EXPECT_EQ(split(*line), c.expected) << testing::PrintToString(*line);
    }
}

}  // namespace
}  // namespace tarvelo::launch
