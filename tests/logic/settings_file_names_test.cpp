#include "shell/settings_file_names.h"

#include <gtest/gtest.h>

namespace tarvelo::shell {
namespace {

TEST(SettingsFileNames, PerUserFileBesideTheExecutable) {
    struct Case {
        const wchar_t* exe;
        const wchar_t* user;
        const wchar_t* computer;
        bool second;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Tools\\Tarvelo.exe", L"alice", L"PC1", false, L"C:\\Tools\\Tarvelo_alice@PC1.ini"},
        {L"C:\\Tools\\Tarvelo.exe", L"alice", L"PC1", true, L"C:\\Tools\\Tarvelo_alice@PC1_#2.ini"},
        {L"D:\\アプリ\\my.app.exe", L"山田", L"PC-2", false, L"D:\\アプリ\\my.app_山田@PC-2.ini"},
        {L"C:\\Tools\\Tarvelo.exe", L"", L"", false, L"C:\\Tools\\Tarvelo_@.ini"},  // names unavailable
        {L"\\\\?\\C:\\x\\Tarvelo.exe", L"u", L"c", false, L"\\\\?\\C:\\x\\Tarvelo_u@c.ini"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(settingsFileName(c.exe, c.user, c.computer, c.second), c.expected) << c.exe;
    }
}

TEST(SettingsFileNames, DataFilesAreTheSameForEveryUserAndInstance) {
    EXPECT_EQ(dataFileName(L"C:\\Tools\\Tarvelo.exe", L"SaveData"), L"C:\\Tools\\Tarvelo_SaveData.ini");
    EXPECT_EQ(dataFileName(L"\\\\srv\\share\\bin\\Tarvelo.exe", L"FolderData"),
              L"\\\\srv\\share\\bin\\Tarvelo_FolderData.ini");
}

}  // namespace
}  // namespace tarvelo::shell
