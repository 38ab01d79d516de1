// The copy, move and delete primitives on real folders: every case compares
// the bytes of every file in its folder before and after, failures included
// (a failed item must leave everything exactly as it was).
#include "platform/file_transfer.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/file_transfer_detail.h"
#include "support/file_tree.h"

namespace tarvelo::platform {
namespace {

using testing::FileState;
using testing::ScratchFolder;
using testing::TreeSnapshot;
using testing::patternBytes;
using testing::snapshotTree;
using testing::writeFile;

constexpr DWORD kMarks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The entries of `tree` below `prefix` (a folder name with its backslash), keyed without it.
TreeSnapshot below(const TreeSnapshot& tree, const std::wstring& prefix) {
    TreeSnapshot out;
    for (const auto& [path, state] : tree) {
        if (path.rfind(prefix, 0) == 0) out[path.substr(prefix.size())] = state;
    }
    return out;
}

bool sameContent(const TreeSnapshot& a, const TreeSnapshot& b) {
    if (a.size() != b.size()) return false;
    for (const auto& [path, state] : a) {
        auto it = b.find(path);
        if (it == b.end() || !(it->second == state)) return false;
    }
    return true;
}

// A long name, so that paths below the scratch folder pass 260 characters.
const std::wstring kLong(120, L'l');

void standardTree(const ScratchFolder& root) {
    writeFile(root / L"src\\a.txt", patternBytes(1, 3000));
    writeFile(root / L"src\\marked.txt", patternBytes(2, 100), kMarks);
    writeFile(root / L"src\\sub\\b.bin", patternBytes(3, 200000));
    writeFile(root / L"src\\sub\\deeper\\c.bin", patternBytes(4, 10));
    writeFile(root / L"src\\\u5199\u771f \u00e9t\u00e9.jpg", patternBytes(5, 777));
    writeFile(root / L"old\\a.txt", patternBytes(9, 5000), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    writeFile(root / L"a-file", patternBytes(10, 4));
    writeFile(root / (kLong + L"\\" + kLong + L"\\deep.txt"), patternBytes(11, 4321));
}

enum class Op { copy, move, moveByCopy };

struct TransferCase {
    const char* name;
    Op op;
    std::wstring source;  // relative to the scratch folder
    std::wstring target;
    TransferError expected;
    bool replace = true;
    bool cancelFirst = false;
    std::wstring hold;  // a file held open without sharing during the call
};

TransferResult run(Op op, const std::wstring& from, const std::wstring& to, const TransferOptions& options) {
    if (op == Op::copy) return copyItem(from, to, options);
    if (op == Op::move) return moveItem(from, to, options);
    // The move across volumes, which one Wine drive cannot show otherwise.
    transfer_detail::SourceInfo info;
    const std::wstring source = transfer_detail::canonicalLongPath(from);
    if (!transfer_detail::readSourceInfo(source, info)) return TransferResult{TransferError::sourceMissing};
    transfer_detail::TransferRun transferRun{options};
    transfer_detail::ensureFolder(transfer_detail::parentOf(transfer_detail::canonicalLongPath(to)));
    return transfer_detail::moveByCopy(source, info, transfer_detail::canonicalLongPath(to), transferRun);
}

class TransferTable : public ::testing::TestWithParam<TransferCase> {};

TEST_P(TransferTable, DoesAllOrLeavesEverythingAsItWas) {
    const TransferCase& c = GetParam();
    ScratchFolder root(L"transfer");
    standardTree(root);
    const TreeSnapshot before = snapshotTree(root.path());

    std::atomic<bool> cancel{c.cancelFirst};
    TransferOptions options;
    options.replaceExisting = c.replace;
    options.cancel = &cancel;
    std::uint64_t lastProgress = 0;
    options.onProgress = [&](std::uint64_t done) { lastProgress = done; };
    HANDLE held = INVALID_HANDLE_VALUE;
    if (!c.hold.empty()) {
        held = CreateFileW(longPathForm(root / c.hold).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
    }
    const TransferResult result = run(c.op, root / c.source, root / c.target, options);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    const TreeSnapshot after = snapshotTree(root.path());

    EXPECT_EQ(result.error, c.expected) << "platform code " << result.code;
    if (c.expected != TransferError::none) {
        // Old target byte-identical, source intact, no temporary left.
        EXPECT_TRUE(sameContent(before, after));
        return;
    }
    const DWORD sourceAttributes = GetFileAttributesW(longPathForm(root / c.source).c_str());
    const bool folder = before.count(c.source) == 0;
    const TreeSnapshot moved = folder ? below(before, c.source + L"\\") : TreeSnapshot{{L"", before.at(c.source)}};
    const TreeSnapshot arrived = folder ? below(after, c.target + L"\\") : TreeSnapshot{{L"", after.at(c.target)}};
    EXPECT_TRUE(sameContent(moved, arrived));
    for (const auto& [path, state] : moved) {
        EXPECT_EQ(arrived.at(path).attributes & kMarks, state.attributes & kMarks) << "marks of " << path.size();
    }
    std::uint64_t bytes = 0;
    for (const auto& entry : moved) bytes += entry.second.size;
    EXPECT_EQ(lastProgress, bytes);
    if (c.op == Op::copy) {
        EXPECT_TRUE(sameContent(below(before, c.source), below(after, c.source)));
    } else {
        EXPECT_EQ(sourceAttributes, INVALID_FILE_ATTRIBUTES);
    }
    // Nothing else in the folder changed.
    for (const auto& [path, state] : before) {
        if (path.rfind(c.source, 0) == 0 || path.rfind(c.target, 0) == 0) continue;
        ASSERT_TRUE(after.count(path)) << "lost a file";
        EXPECT_TRUE(after.at(path) == state);
    }
}

const std::wstring kLongFolder = kLong + L"\\" + kLong;

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferTable,
    ::testing::Values(
        TransferCase{"copy_new_file", Op::copy, L"src\\a.txt", L"dst\\a.txt", TransferError::none},
        TransferCase{"copy_over_marked_file", Op::copy, L"src\\a.txt", L"old\\a.txt", TransferError::none},
        TransferCase{"copy_marked_source", Op::copy, L"src\\marked.txt", L"old\\a.txt", TransferError::none},
        TransferCase{"copy_folder", Op::copy, L"src", L"dst\\new\\src", TransferError::none},
        TransferCase{"copy_japanese", Op::copy, L"src\\\u5199\u771f \u00e9t\u00e9.jpg", L"dst\\\u5199.jpg",
                     TransferError::none},
        TransferCase{"copy_long_source", Op::copy, kLongFolder, L"dst\\x", TransferError::none},
        TransferCase{"copy_to_long_target", Op::copy, L"src", kLongFolder + L"\\src", TransferError::none},
        TransferCase{"copy_no_replace", Op::copy, L"src\\a.txt", L"old\\a.txt", TransferError::targetExists, false},
        TransferCase{"copy_over_held_target", Op::copy, L"src\\a.txt", L"old\\a.txt", TransferError::platform, true,
                     false, L"old\\a.txt"},
        TransferCase{"copy_held_source", Op::copy, L"src\\a.txt", L"dst\\a.txt", TransferError::platform, true, false,
                     L"src\\a.txt"},
        TransferCase{"copy_cancelled", Op::copy, L"src\\sub\\b.bin", L"old\\a.txt", TransferError::cancelled, true,
                     true},
        TransferCase{"copy_missing", Op::copy, L"src\\gone.txt", L"dst\\gone.txt", TransferError::sourceMissing},
        TransferCase{"copy_onto_itself", Op::copy, L"src", L"SRC\\", TransferError::sameItem},
        TransferCase{"copy_into_own_subfolder", Op::copy, L"src", L"src\\sub\\src", TransferError::intoItself},
        TransferCase{"copy_file_onto_folder", Op::copy, L"src\\a.txt", L"src\\sub", TransferError::targetIsFolder},
        TransferCase{"copy_folder_onto_file", Op::copy, L"src", L"a-file", TransferError::targetIsFolder},
        TransferCase{"copy_below_a_file", Op::copy, L"src\\a.txt", L"a-file\\a.txt", TransferError::platform},
        TransferCase{"move_file", Op::move, L"src\\a.txt", L"dst\\a.txt", TransferError::none},
        TransferCase{"move_over_marked_file", Op::move, L"src\\a.txt", L"old\\a.txt", TransferError::none},
        TransferCase{"move_folder", Op::move, L"src", L"dst\\src", TransferError::none},
        TransferCase{"move_folder_merging", Op::move, L"src", L"old", TransferError::none},
        TransferCase{"move_long", Op::move, kLongFolder, L"dst\\x", TransferError::none},
        TransferCase{"move_held_source", Op::move, L"src\\a.txt", L"dst\\a.txt", TransferError::platform, true, false,
                     L"src\\a.txt"},
        TransferCase{"move_into_own_subfolder", Op::move, L"src", L"src\\sub\\x", TransferError::intoItself},
        TransferCase{"move_no_replace", Op::move, L"src\\a.txt", L"old\\a.txt", TransferError::targetExists, false},
        TransferCase{"volumes_file", Op::moveByCopy, L"src\\marked.txt", L"old\\a.txt", TransferError::none},
        TransferCase{"volumes_folder", Op::moveByCopy, L"src", L"dst\\src", TransferError::none},
        TransferCase{"volumes_cancelled", Op::moveByCopy, L"src\\a.txt", L"dst\\a.txt", TransferError::cancelled,
                     true, true},
        TransferCase{"volumes_held_source", Op::moveByCopy, L"src\\a.txt", L"old\\a.txt", TransferError::platform,
                     true, false, L"src\\a.txt"}),
    [](const ::testing::TestParamInfo<TransferCase>& info) { return std::string(info.param.name); });

struct DeleteCase {
    const char* name;
    std::wstring path;
    DWORD attributes;
    bool hold;
    TransferError expected;
};

class DeleteTable : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteTable, GoneOrUntouchedWithItsMarks) {
    const DeleteCase& c = GetParam();
    ScratchFolder root(L"delete");
    standardTree(root);
    writeFile(root / L"victim.txt", patternBytes(20, 64), c.attributes);
    const TreeSnapshot before = snapshotTree(root.path());
    HANDLE held = c.hold ? CreateFileW((root / L"victim.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                       nullptr)
                         : INVALID_HANDLE_VALUE;
    const TransferResult result = deleteFile(root / c.path, DeleteMode::permanent);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    TreeSnapshot after = snapshotTree(root.path());
    EXPECT_EQ(result.error, c.expected);
    if (c.expected == TransferError::none) {
        EXPECT_EQ(after.count(c.path), 0u);
        after[c.path] = before.at(c.path);
    } else if (after.count(L"victim.txt")) {
        EXPECT_EQ(after.at(L"victim.txt").attributes, before.at(L"victim.txt").attributes);
    }
    EXPECT_TRUE(sameContent(before, after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteTable,
    ::testing::Values(DeleteCase{"plain", L"victim.txt", FILE_ATTRIBUTE_ARCHIVE, false, TransferError::none},
                      DeleteCase{"marked", L"victim.txt", kMarks, false, TransferError::none},
                      DeleteCase{"held_marked", L"victim.txt", kMarks | FILE_ATTRIBUTE_ARCHIVE, true,
                                 TransferError::platform},
                      DeleteCase{"long", kLongFolder + L"\\deep.txt", 0, false, TransferError::none},
                      DeleteCase{"folder", L"src", 0, false, TransferError::targetIsFolder},
                      DeleteCase{"missing", L"nothing.txt", 0, false, TransferError::sourceMissing}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST(FileTransfer, LongPathFormAndRenameWithReplace) {
    struct Row {
        std::wstring in, out;
    };
    for (const Row& r : {Row{L"C:\\a\\b", L"\\\\?\\C:\\a\\b"}, Row{L"C:/a/./b", L"\\\\?\\C:\\a\\b"},
                         Row{L"\\\\srv\\share\\x", L"\\\\?\\UNC\\srv\\share\\x"},
                         Row{L"\\\\?\\C:\\already", L"\\\\?\\C:\\already"}}) {
        EXPECT_EQ(longPathForm(r.in), r.out);
    }
    ScratchFolder root(L"rename");
    writeFile(root / L"a", patternBytes(1, 10));
    writeFile(root / L"b", patternBytes(2, 20));
    writeFile(root / (kLongFolder + L"\\c"), patternBytes(3, 30));
    const TreeSnapshot before = snapshotTree(root.path());
    EXPECT_TRUE(renameWithReplace(root / L"a", root / L"b"));
    EXPECT_TRUE(renameWithReplace(root / (kLongFolder + L"\\c"), root / (kLongFolder + L"\\d")));
    EXPECT_FALSE(renameWithReplace(root / L"a", root / L"e"));
    const TreeSnapshot after = snapshotTree(root.path());
    EXPECT_TRUE(after.at(L"b") == before.at(L"a"));
    EXPECT_TRUE(after.at(kLongFolder + L"\\d") == before.at(kLongFolder + L"\\c"));
    EXPECT_EQ(after.size(), 2u);
}

TEST(FileTransfer, MeasureItemSumsEveryFileBelowAFolder) {
    ScratchFolder root(L"measure");
    standardTree(root);
    const ItemSize folder = measureItem(root / L"src");
    EXPECT_TRUE(folder.exists && folder.isFolder);
    EXPECT_EQ(folder.bytes, 3000u + 100u + 200000u + 10u + 777u);
    EXPECT_EQ(folder.files, 5u);
    const ItemSize file = measureItem(root / (kLongFolder + L"\\deep.txt"));
    EXPECT_TRUE(file.exists && !file.isFolder);
    EXPECT_EQ(file.bytes, 4321u);
    EXPECT_FALSE(measureItem(root / L"none").exists);
}

}  // namespace
}  // namespace tarvelo::platform
