// The exit clean-up removes the program's own expansion folder and nothing
// else: every other file keeps its bytes, also when the path was tampered with.
#include "preview/win/expansion_cleanup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/folder_removal.h"
#include "support/wic_images.h"

namespace tarvelo::preview::win {
namespace {

using tarvelo::testing::readBytes;
using tarvelo::testing::writeBytes;

bool exists(const std::wstring& p) { return GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(ExpansionCleanup, RemovesOnlyTheProgramsOwnFolder) {
    wchar_t tmp[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, tmp);
    const std::wstring root = std::wstring(tmp, n) + L"tarvelo_expand_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    const std::wstring program = root + L"program\\";
    const std::wstring own = program + L"_expand_temp_\\";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(program.c_str(), nullptr);
    // The user's files: one beside the program, a folder of the same name one
    // level up (where a ".." in the path would lead), and a near-miss name.
    const std::string keep = "user data \x01\x02\xff";
    const std::wstring beside = program + L"keep.txt";
    const std::wstring upper = root + L"_expand_temp_\\";
    const std::wstring nearMiss = program + L"_expand_temp_2\\";
    for (const std::wstring& f : {upper, nearMiss}) CreateDirectoryW(f.c_str(), nullptr);
    for (const std::wstring& f : {beside, upper + L"keep.txt", nearMiss + L"keep.txt"}) {
        ASSERT_TRUE(writeBytes(f, keep.data(), keep.size()));
    }
    auto untouched = [&] {
        for (const std::wstring& f : {beside, upper + L"keep.txt", nearMiss + L"keep.txt"}) {
            const auto bytes = readBytes(f);
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), keep) << f.c_str();
        }
    };

    const std::wstring tampered[] = {
        program + L"..\\", program + L".\\", L"program\\", program.substr(0, program.size() - 1),
        program + L"_expand_temp_\\..\\..\\", L"", root + L"*\\",
    };
    CreateDirectoryW(own.c_str(), nullptr);
    for (const std::wstring& t : tampered) {
        EXPECT_FALSE(removeExpansionFolder(t)) << t.c_str();
        untouched();
        EXPECT_TRUE(exists(own));
    }

    // A file of the folder's name is the user's, not ours.
    RemoveDirectoryW(own.c_str());
    ASSERT_TRUE(writeBytes(program + L"_expand_temp_", keep.data(), keep.size()));
    EXPECT_FALSE(removeExpansionFolder(program));
    EXPECT_EQ(readBytes(program + L"_expand_temp_").size(), keep.size());
    DeleteFileW((program + L"_expand_temp_").c_str());

    // The real one goes with its content, read-only files and subfolders too.
    CreateDirectoryW(own.c_str(), nullptr);
    CreateDirectoryW((own + L"sub").c_str(), nullptr);
    ASSERT_TRUE(writeBytes(own + L"archive.jpg", "x", 1));
    ASSERT_TRUE(writeBytes(own + L"sub\\b.png", "y", 1));
    SetFileAttributesW((own + L"archive.jpg").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(removeExpansionFolder(program));
    EXPECT_FALSE(exists(own));
    untouched();
    EXPECT_TRUE(removeExpansionFolder(program)) << "nothing left is success";

    platform::removeFolderTree(root);
}

}  // namespace
}  // namespace tarvelo::preview::win
