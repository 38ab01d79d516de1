#include "fileops/win/item_changes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fileops/batch_rename_rules.h"

namespace tarvelo::fileops::win {
namespace {

// A fresh folder of small files whose bytes are known.
class Folder {
public:
    Folder() {
        wchar_t tmp[MAX_PATH];
        const DWORD n = ::GetTempPathW(MAX_PATH, tmp);
        root_ = std::wstring(tmp, n) + L"tarvelo_renames_" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
        ::CreateDirectoryW(root_.c_str(), nullptr);
    }
    ~Folder() {
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW((root_ + L"*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring p = root_ + fd.cFileName;
                ::SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ::RemoveDirectoryW(p.c_str());
                else ::DeleteFileW(p.c_str());
            } while (::FindNextFileW(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryW(root_.c_str());
    }
    std::wstring path(const std::wstring& name) const { return root_ + name; }
    void file(const std::wstring& name, const std::string& bytes) const {
        HANDLE h = ::CreateFileW(path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(h);
    }
    // Every item's exact name and bytes ("<dir>" for folders).
    std::map<std::wstring, std::string> contents() const {
        std::map<std::wstring, std::string> out;
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW((root_ + L"*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return out;
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                out[name] = "<dir>";
                continue;
            }
            std::string bytes;
            HANDLE f = ::CreateFileW(path(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
            char buf[256];
            DWORD got = 0;
            while (f != INVALID_HANDLE_VALUE && ::ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) {
                bytes.append(buf, got);
            }
            if (f != INVALID_HANDLE_VALUE) ::CloseHandle(f);
            out[name] = bytes;
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
        return out;
    }

private:
    std::wstring root_;
};

using Contents = std::map<std::wstring, std::string>;

TEST(BatchRenameOnDisk, CollisionsSwapsCaseAndALockedFileLoseNothing) {
    Folder dir;
    dir.file(L"a.txt", "alpha");
    dir.file(L"b.txt", "bravo");
    dir.file(L"c.txt", "charlie");
    dir.file(L"keep.txt", "keep");
    dir.file(L"Lower.TXT", "lower");
    dir.file(L"locked.txt", "locked");
    dir.file(L"写真.jpg", "photo");
    ::CreateDirectoryW(dir.path(L"folder").c_str(), nullptr);
    // Held open without delete sharing: the platform refuses to rename it.
    HANDLE lock = ::CreateFileW(dir.path(L"locked.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    Win32RenameDisk disk;
    std::vector<RenameRequest> requests = {
        {dir.path(L"a.txt"), L"b.txt"},        // swap with b
        {dir.path(L"b.txt"), L"a.txt"},
        {dir.path(L"c.txt"), L"KEEP.txt"},     // taken by an item outside the run
        {dir.path(L"Lower.TXT"), L"lower.txt"},  // letter case only
        {dir.path(L"locked.txt"), L"free.txt"},  // the platform refuses
        {dir.path(L"写真.jpg"), L"旅行.jpg"},
        {dir.path(L"folder"), L"FOLDER2"},
    };
    RenamePlan plan = planRenames(requests, disk);
    EXPECT_EQ(plan.collisions(), 1);
    runRenamePlan(plan, disk);
    ::CloseHandle(lock);

    std::vector<RenameState> states;
    for (const RenameItem& item : plan.items) states.push_back(item.state);
    using S = RenameState;
    EXPECT_EQ(states, (std::vector<RenameState>{S::Renamed, S::Renamed, S::Collision, S::Renamed, S::Failed,
                                                S::Renamed, S::Renamed}));
    EXPECT_EQ(dir.contents(), (Contents{{L"a.txt", "bravo"},
                                        {L"b.txt", "alpha"},
                                        {L"c.txt", "charlie"},
                                        {L"keep.txt", "keep"},
                                        {L"lower.txt", "lower"},
                                        {L"locked.txt", "locked"},
                                        {L"旅行.jpg", "photo"},
                                        {L"FOLDER2", "<dir>"}}));
}

TEST(ItemChangesOnDisk, TimesFieldByFieldAndAttributes) {
    Folder dir;
    dir.file(L"t.txt", "time");
    ::CreateDirectoryW(dir.path(L"sub").c_str(), nullptr);
    const ItemTimes start{{2019, 1, 2, 3, 4, 5}, {2020, 5, 1, 8, 15, 30}, {2021, 6, 7, 8, 9, 10}};
    for (const wchar_t* name : {L"t.txt", L"sub"}) {
        ASSERT_TRUE(writeItemTimes(dir.path(name), start)) << name;
        auto now = readItemTimes(dir.path(name));
        ASSERT_TRUE(now.has_value());
        // Wine's Unix file systems keep no creation time (it reads back as
        // the last-write time): compare it only where it is stored.
        const bool keepsCreation = now->created == start.created;
        EXPECT_EQ(now->modified, start.modified) << name;
        EXPECT_EQ(now->accessed, start.accessed) << name;

        TimestampRequest hourOnly;
        hourOnly.fields = {false, false, false, true, false, false};
        hourOnly.wanted.modified = {2000, 1, 1, 10, 0, 0};
        auto planned = plannedTimes(hourOnly, *now);
        ASSERT_TRUE(planned.has_value());
        ASSERT_TRUE(writeItemTimes(dir.path(name), *planned));
        auto after = readItemTimes(dir.path(name));
        ASSERT_TRUE(after.has_value());
        EXPECT_EQ(after->modified, (LocalStamp{2020, 5, 1, 10, 15, 30})) << name;
        EXPECT_EQ(after->accessed, start.accessed) << name;
        if (keepsCreation) {
            EXPECT_EQ(after->created, start.created) << name;
        }
    }
    // An impossible stamp writes nothing; a missing item fails.
    EXPECT_FALSE(writeItemTimes(dir.path(L"t.txt"), {start.created, {2021, 2, 31, 0, 0, 0}, start.accessed}));
    EXPECT_EQ(readItemTimes(dir.path(L"t.txt"))->modified, (LocalStamp{2020, 5, 1, 10, 15, 30}));
    EXPECT_FALSE(writeItemTimes(dir.path(L"missing.txt"), start));

    ASSERT_TRUE(setItemAttributes(dir.path(L"t.txt"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    // (Wine reports every file as archived; the other bits are exact.)
    EXPECT_EQ(itemAttributes(dir.path(L"t.txt")) & 0x17u, 0x03u);
    ASSERT_TRUE(setItemAttributes(dir.path(L"t.txt"), FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(itemAttributes(dir.path(L"t.txt")) & 0x37u, 0x20u);
    EXPECT_FALSE(setItemAttributes(dir.path(L"missing.txt"), 0));
    EXPECT_EQ(dir.contents().at(L"t.txt"), "time");
}

}  // namespace
}  // namespace tarvelo::fileops::win
