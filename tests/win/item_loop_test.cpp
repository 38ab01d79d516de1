// The dialog-free item loop over real folders: what it refuses, skips and
// reports, and that every file it did not touch keeps its bytes.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "fileops/win/item_loop.h"

namespace tarvelo::fileops::win {
namespace {

class ItemLoop : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = std::wstring(temp) + L"tarvelo-item-loop-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(counter++);
        CreateDirectoryW(root.c_str(), nullptr);
        folder(L"src");
        folder(L"src\\sub");
        file(L"src\\sub\\deep.txt", "deep");
        file(L"one.txt", "one");
        file(L"写真.jpg", "jpeg bytes");
    }
    void TearDown() override {
        std::wstring from = root + L'\0';
        SHFILEOPSTRUCTW op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
        SHFileOperationW(&op);
    }
    std::wstring p(const std::wstring& rel) const { return root + L"\\" + rel; }
    void folder(const std::wstring& rel) const { CreateDirectoryW(p(rel).c_str(), nullptr); }
    void file(const std::wstring& rel, const std::string& bytes) const {
        HANDLE h = CreateFileW(p(rel).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    }
    std::string bytes(const std::wstring& rel) const {
        HANDLE h = CreateFileW(p(rel).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<missing>";
        char buffer[4096];
        DWORD read = 0;
        ReadFile(h, buffer, sizeof(buffer), &read, nullptr);
        CloseHandle(h);
        return std::string(buffer, read);
    }
    bool exists(const std::wstring& rel) const { return GetFileAttributesW(p(rel).c_str()) != INVALID_FILE_ATTRIBUTES; }

    static inline int counter = 0;
    std::wstring root;
    OperationWorker worker;
};

TEST_F(ItemLoop, FolderIntoItsOwnSubfolderIsRefusedAndEndsTheRun) {
    FixedAnswer overwrite(OverwriteAnswer::Overwrite);
    for (TransferMode mode : {TransferMode::Copy, TransferMode::Move}) {
        LoopOutcome out = runTransferLoop(mode, {p(L"src"), p(L"one.txt")}, p(L"src\\sub"), overwrite, worker);
        EXPECT_EQ(out.report.failureCount, 1);
        EXPECT_EQ(out.report.failureList, p(L"src") + L"\r\n\r\n");
        EXPECT_TRUE(out.cancelled);
        EXPECT_EQ(bytes(L"src\\sub\\deep.txt"), "deep");
        EXPECT_EQ(bytes(L"one.txt"), "one");
        EXPECT_FALSE(exists(L"src\\sub\\src"));
    }
}

TEST_F(ItemLoop, SameFolderCopiesGetFreeNamesAndMovesChangeNothing) {
    FixedAnswer never(OverwriteAnswer::Cancel);
    for (int round = 0; round < 2; ++round) {
        LoopOutcome out = runTransferLoop(TransferMode::Copy, {p(L"one.txt")}, root, never, worker);
        EXPECT_EQ(out.done, 1);
    }
    EXPECT_EQ(bytes(L"one_copied.txt"), "one");
    EXPECT_EQ(bytes(L"one_copied2.txt"), "one");
    EXPECT_EQ(never.asked, 0);
    LoopOutcome moved = runTransferLoop(TransferMode::Move, {p(L"one.txt")}, root, never, worker);
    EXPECT_EQ(moved.skipped, 1);
    EXPECT_EQ(moved.report.failureCount, 0);
    EXPECT_EQ(bytes(L"one.txt"), "one");
}

TEST_F(ItemLoop, EveryFailureIsReportedAndOthersAreStillDone) {
    FixedAnswer skip(OverwriteAnswer::Skip);
    folder(L"dest");
    file(L"dest\\one.txt", "older");
    // A vanished source, an existing target (skipped), a Japanese name.
    LoopOutcome out = runTransferLoop(TransferMode::Copy, {p(L"gone.txt"), p(L"one.txt"), p(L"写真.jpg")},
                                      p(L"dest"), skip, worker);
    EXPECT_EQ(out.report.failureList, p(L"gone.txt") + L"\r\n\r\n");
    EXPECT_EQ(out.skipped, 1);
    EXPECT_EQ(out.done, 1);
    EXPECT_EQ(bytes(L"dest\\one.txt"), "older");
    EXPECT_EQ(bytes(L"dest\\写真.jpg"), "jpeg bytes");

    // A destination that is a file takes nothing and loses nothing.
    LoopOutcome intoFile = runTransferLoop(TransferMode::Move, {p(L"写真.jpg")}, p(L"one.txt"), skip, worker);
    EXPECT_EQ(intoFile.report.failureCount, 1);
    EXPECT_EQ(bytes(L"写真.jpg"), "jpeg bytes");
    EXPECT_EQ(bytes(L"one.txt"), "one");
}

TEST_F(ItemLoop, OverwriteAllAsksOnceAndInterruptStopsBeforeTheItem) {
    folder(L"dest");
    file(L"two.txt", "two");
    file(L"dest\\one.txt", "old1");
    file(L"dest\\two.txt", "old2");
    FixedAnswer all(OverwriteAnswer::OverwriteAll);
    LoopOutcome out = runTransferLoop(TransferMode::Copy, {p(L"one.txt"), p(L"two.txt")}, p(L"dest"), all, worker);
    EXPECT_EQ(all.asked, 1);
    EXPECT_EQ(out.done, 2);
    EXPECT_EQ(bytes(L"dest\\one.txt"), "one");
    EXPECT_EQ(bytes(L"dest\\two.txt"), "two");

    LoopHooks hooks;
    int seen = 0;
    hooks.beforeItem = [&](int, int, const std::wstring&) { ++seen; };
    hooks.interrupted = [&] { return seen == 2; };
    LoopOutcome stopped =
        runTransferLoop(TransferMode::Move, {p(L"one.txt"), p(L"two.txt")}, p(L"moved"), all, worker, hooks);
    EXPECT_TRUE(stopped.interrupted);
    EXPECT_EQ(bytes(L"moved\\one.txt"), "one");
    EXPECT_FALSE(exists(L"one.txt"));
    EXPECT_EQ(bytes(L"two.txt"), "two");
}

TEST_F(ItemLoop, DeleteRemovesFilesAndFoldersAndReportsALockedFile) {
    HANDLE lock = CreateFileW(p(L"写真.jpg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    SetFileAttributesW(p(L"写真.jpg").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    const DWORD before = GetFileAttributesW(p(L"写真.jpg").c_str());
    LoopOutcome out = runDeleteLoop({p(L"one.txt"), p(L"写真.jpg"), p(L"src")}, false, worker);
    CloseHandle(lock);
    EXPECT_EQ(out.done, 2);
    EXPECT_EQ(out.report.failureList, p(L"写真.jpg") + L"\r\n\r\n");
    EXPECT_FALSE(exists(L"one.txt"));
    EXPECT_FALSE(exists(L"src"));
    EXPECT_EQ(GetFileAttributesW(p(L"写真.jpg").c_str()), before);
    SetFileAttributesW(p(L"写真.jpg").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(bytes(L"写真.jpg"), "jpeg bytes");
}

}  // namespace
}  // namespace tarvelo::fileops::win
