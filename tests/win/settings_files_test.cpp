#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "common/utf16le.h"
#include "platform/private_profile_store.h"
#include "platform/win32_byte_file.h"
#include "shell/app_settings.h"
#include "shell/section_file_store.h"

namespace tarvelo::platform {
namespace {

// A fresh folder under the temp folder, removed with its content afterwards.
class SettingsFilesTest : public ::testing::Test {
protected:
    std::wstring dir;

    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
        dir = std::wstring(temp) + L"tarvelo-settings-" + std::to_wstring(GetCurrentProcessId()) +
              L"-" + std::to_wstring(GetTickCount64()) + L"\\";
        ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
    }
    void TearDown() override { removeTree(L"\\\\?\\" + dir.substr(0, dir.size() - 1)); }

    static void removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = fd.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring child = folder + L"\\" + name;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(child);
                } else {
                    SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryW(folder.c_str());
    }

    static std::vector<std::uint8_t> bytesOf(const std::wstring& path) {
        Win32ByteFileSystem fs;
        return fs.readAll(path).value_or(std::vector<std::uint8_t>{});
    }

    // Names in the folder other than . and ..
    std::vector<std::wstring> listing(const std::wstring& folder) const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((L"\\\\?\\" + folder + L"*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return names;
        do {
            if (std::wstring(fd.cFileName) != L"." && std::wstring(fd.cFileName) != L"..") {
                names.push_back(fd.cFileName);
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        return names;
    }
};

TEST_F(SettingsFilesTest, JapaneseFaceNameSurvivesTheProfileCalls) {
    const std::wstring path = dir + L"Tarvelo_user@PC.ini";
    {
        PrivateProfileStore ini(path);
        ASSERT_TRUE(ini.writeString(L"Font", L"FaceName", L"BIZ UDゴシック"));
        ASSERT_TRUE(ini.writeInt(L"Settings", L"WindowSplitBarPos", -7));
    }
    const auto bytes = bytesOf(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);

    PrivateProfileStore ini(path);
    EXPECT_EQ(ini.readString(L"Font", L"FaceName", L""), L"BIZ UDゴシック");
    EXPECT_EQ(ini.readInt(L"Settings", L"WindowSplitBarPos", 0), -7);
    EXPECT_EQ(ini.readInt(L"Settings", L"Missing", 42), 42);
    EXPECT_EQ(ini.readString(L"Settings", L"Missing", L"dflt"), L"dflt");

    shell::AppSettings settings;
    settings.load(ini, UiLanguage::English);
    EXPECT_EQ(settings.font.faceName, L"BIZ UDゴシック");
    EXPECT_EQ(settings.windowSplitBarPos, 100);
}

TEST_F(SettingsFilesTest, MissingSettingsFileReadsDefaults) {
    PrivateProfileStore ini(dir + L"nothing.ini");
    shell::AppSettings settings;
    settings.load(ini, UiLanguage::Japanese);
    EXPECT_EQ(settings.windowSplitBarPos, 200);
    EXPECT_EQ(settings.font.faceName, L"BIZ UDゴシック");
    EXPECT_FALSE(settings.position.has_value());
    EXPECT_EQ(GetFileAttributesW((dir + L"nothing.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsFilesTest, LongStringsAreReadWhole) {
    PrivateProfileStore ini(dir + L"long.ini");
    std::wstring value;
    for (int i = 0; i < 3000; ++i) value += L"C:\\フォルダ" + std::to_wstring(i) + L";";
    ASSERT_GT(value.size(), 30000u);
    ASSERT_TRUE(ini.writeString(L"Settings", L"Folder", value));
    EXPECT_EQ(ini.readString(L"Settings", L"Folder", L""), value);
}

TEST_F(SettingsFilesTest, SaveDataOnDiskHasTheDocumentedBytes) {
    Win32ByteFileSystem fs;
    shell::SectionFileStore store(fs, dir + L"Tarvelo.exe");
    ASSERT_TRUE(store.write(L"SaveData", L"CurrentFolder", L"C:\\Work\\"));
    ASSERT_TRUE(store.write(L"SaveData", L"ShortCutFolder", L"D:\\写真\\"));
    std::vector<std::uint8_t> expected = {0xFF, 0xFE};
    common::appendUtf16le(expected,
                          u"#\r\n# [SaveData]\r\n#\r\nCurrentFolder=C:\\Work\\\r\nShortCutFolder=D:\\写真\\\r\n");
    EXPECT_EQ(bytesOf(dir + L"Tarvelo_SaveData.ini"), expected);
    EXPECT_EQ(store.read(L"SaveData", L"ShortCutFolder"), L"D:\\写真\\");
    // No temporary file is left beside it.
    EXPECT_EQ(listing(dir), std::vector<std::wstring>{L"Tarvelo_SaveData.ini"});
}

TEST_F(SettingsFilesTest, ReadOnlyDataFileIsLeftAsItWas) {
    Win32ByteFileSystem fs;
    shell::SectionFileStore store(fs, dir + L"Tarvelo.exe");
    ASSERT_TRUE(store.write(L"FolderData", L"Folder_01", L"C:\\"));
    const std::wstring path = dir + L"Tarvelo_FolderData.ini";
    const auto before = bytesOf(path);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_FALSE(store.write(L"FolderData", L"Folder_02", L"D:\\"));
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(store.read(L"FolderData", L"Folder_01"), L"C:\\");
    EXPECT_EQ(listing(dir).size(), 1u);
}

// A reader that does not share deletion, as some scanners and editors open
// files: the swap of a new version is refused while it holds the file.
HANDLE holdOpen(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(SettingsFilesTest, AFileHeldOpenForAMomentIsStillReplaced) {
    Win32ByteFileSystem fs;
    shell::SectionFileStore store(fs, dir + L"Tarvelo.exe");
    ASSERT_TRUE(store.write(L"FolderData", L"Folder_01", L"C:\\"));
    const std::wstring path = dir + L"Tarvelo_FolderData.ini";
    HANDLE held = holdOpen(path);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread closer([held] {
        Sleep(150);
        CloseHandle(held);
    });
    EXPECT_TRUE(store.write(L"FolderData", L"Folder_02", L"D:\\"));
    closer.join();
    EXPECT_EQ(store.read(L"FolderData", L"Folder_01"), L"C:\\");
    EXPECT_EQ(store.read(L"FolderData", L"Folder_02"), L"D:\\");
    EXPECT_EQ(listing(dir).size(), 1u);
}

TEST_F(SettingsFilesTest, AFileHeldOpenThroughoutIsLeftAsItWasAndTheFailureReported) {
    Win32ByteFileSystem fs;
    shell::SectionFileStore store(fs, dir + L"Tarvelo.exe");
    ASSERT_TRUE(store.write(L"FolderData", L"Folder_01", L"C:\\"));
    const std::wstring path = dir + L"Tarvelo_FolderData.ini";
    const auto before = bytesOf(path);
    HANDLE held = holdOpen(path);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(store.write(L"FolderData", L"Folder_02", L"D:\\"));
    CloseHandle(held);
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(listing(dir).size(), 1u);  // no temporary file left behind
}

TEST_F(SettingsFilesTest, FolderInTheWayIsLeftAsItWas) {
    Win32ByteFileSystem fs;
    shell::SectionFileStore store(fs, dir + L"Tarvelo.exe");
    const std::wstring path = dir + L"Tarvelo_SearchData.ini";
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((path + L"\\inner").c_str(), nullptr));

    EXPECT_FALSE(store.fileExists(L"SearchData"));
    EXPECT_EQ(store.read(L"SearchData", L"String_01"), L"");
    EXPECT_FALSE(store.write(L"SearchData", L"String_01", L"abc"));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_NE(GetFileAttributesW((path + L"\\inner").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(listing(dir).size(), 1u);
}

TEST_F(SettingsFilesTest, MissingFolderWritesNothing) {
    Win32ByteFileSystem fs;
    shell::SectionFileStore store(fs, dir + L"absent\\Tarvelo.exe");
    EXPECT_FALSE(store.write(L"SaveData", L"CurrentFolder", L"C:\\"));
    EXPECT_TRUE(listing(dir).empty());
}

TEST_F(SettingsFilesTest, DataFilesWorkBeyondTheOldPathLimit) {
    std::wstring deep = dir;
    while (deep.size() < 320) {
        deep += L"長いフォルダ名-long-folder-name\\";
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    }
    Win32ByteFileSystem fs;
    shell::SectionFileStore store(fs, deep + L"Tarvelo.exe");
    ASSERT_GT(store.filePath(L"ReplaceData").size(), 300u);
    ASSERT_TRUE(store.write(L"ReplaceData", L"String1_01", L"alt"));
    ASSERT_TRUE(store.write(L"ReplaceData", L"String2_01", L"neu"));
    ASSERT_TRUE(store.write(L"ReplaceData", L"String1_01", L"alt2"));
    EXPECT_TRUE(store.fileExists(L"ReplaceData"));
    EXPECT_EQ(store.read(L"ReplaceData", L"String1_01"), L"alt2");
    EXPECT_EQ(store.read(L"ReplaceData", L"String2_01"), L"neu");
    EXPECT_EQ(listing(deep), std::vector<std::wstring>{L"Tarvelo_ReplaceData.ini"});
}

TEST_F(SettingsFilesTest, MalformedDataFileOnDiskReadsItsReadablePart) {
    const std::wstring path = dir + L"Tarvelo_ExtAppData.ini";
    std::vector<std::uint8_t> bytes;  // no BOM, a 100,000-character line, an odd tail
    common::appendUtf16le(bytes, std::u16string(100000, u'z') + u"\r\nExtApp_01=.txt = notepad.exe\r\n");
    bytes.push_back(0x7F);
    Win32ByteFileSystem fs;
    ASSERT_TRUE(fs.writeAll(path, bytes));
    shell::SectionFileStore store(fs, dir + L"Tarvelo.exe");
    EXPECT_EQ(store.read(L"ExtAppData", L"ExtApp_01"), L".txt = notepad.exe");
}

}  // namespace
}  // namespace tarvelo::platform
