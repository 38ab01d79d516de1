#include "fileops/win/item_transfer.h"

#include "filelist/folder_listing.h"
#include "fileops/item_rules.h"
#include "fileops/win/shell_file_operation.h"
#include "platform/file_transfer.h"

namespace tarvelo::fileops::win {

namespace {

DWORD attributesOf(const std::wstring& path) { return GetFileAttributesW(platform::longPathForm(path).c_str()); }

bool exists(const std::wstring& path) { return attributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool needsLongForm(const std::wstring& a, const std::wstring& b) {
    return filelist::isLongPath(a) || filelist::isLongPath(b);
}

// Volume root of a path, or of its nearest existing parent.
std::wstring volumeOf(std::wstring path) {
    wchar_t root[MAX_PATH + 1] = L"";
    while (!path.empty()) {
        if (exists(path) && GetVolumePathNameW(path.c_str(), root, MAX_PATH)) return root;
        const size_t cut = path.find_last_of(L"\\/");
        if (cut == std::wstring::npos) break;
        path.resize(cut);
    }
    return {};
}

bool sameVolume(const std::wstring& source, const std::wstring& target) {
    const std::wstring a = volumeOf(source);
    return !a.empty() && samePathIgnoringCase(a, volumeOf(target));
}

// What a new copy made by the shell must match.
bool copyMatches(const std::wstring& source, const std::wstring& target) {
    const platform::ItemSize s = platform::measureItem(source);
    const platform::ItemSize t = platform::measureItem(target);
    return t.exists && s.exists && t.isFolder == s.isFolder && t.bytes == s.bytes && t.files == s.files;
}

bool refused(const std::wstring& source, const std::wstring& target, DWORD sourceAttributes) {
    if (sourceAttributes == INVALID_FILE_ATTRIBUTES) return true;
    if (samePathIgnoringCase(source, target)) return true;
    return (sourceAttributes & FILE_ATTRIBUTE_DIRECTORY) && targetInsideSource(source, target);
}

}  // namespace

bool copyOneItem(HWND owner, const std::wstring& source, const std::wstring& target) {
    const DWORD attributes = attributesOf(source);
    if (refused(source, target, attributes)) return false;
    const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (needsLongForm(source, target) || exists(target)) {
        platform::TransferOptions options;
        options.replaceExisting = true;
        return platform::copyItem(source, target, options).ok();
    }
    const platform::ItemSize size = platform::measureItem(source);
    const bool showProgress = isFolder || size.bytes > kProgressWindowBytes;
    if (!runShellOperation(owner, ShellOperation::Copy, source, target, showProgress)) return false;
    // The shell has been seen to report success for a copy that did not complete.
    return copyMatches(source, target);
}

bool moveOneItem(HWND owner, const std::wstring& source, const std::wstring& target) {
    const DWORD attributes = attributesOf(source);
    if (refused(source, target, attributes)) return false;
    const bool isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (needsLongForm(source, target) || exists(target) || !sameVolume(source, target)) {
        platform::TransferOptions options;
        options.replaceExisting = true;
        return platform::moveItem(source, target, options).ok();
    }
    const platform::ItemSize before = platform::measureItem(source);
    const bool showProgress = isFolder || before.bytes > kProgressWindowBytes;
    if (!runShellOperation(owner, ShellOperation::Move, source, target, showProgress)) return false;
    const platform::ItemSize after = platform::measureItem(target);
    return !exists(source) && after.exists && after.bytes == before.bytes && after.files == before.files;
}

bool deleteOneFolder(HWND owner, const std::wstring& folder, bool toRecycleBin) {
    const DWORD attributes = attributesOf(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    const ShellOperation op = toRecycleBin ? ShellOperation::RecycleDelete : ShellOperation::PermanentDelete;
    if (!runShellOperation(owner, op, folder, {}, true)) return false;
    return !exists(folder);
}

}  // namespace tarvelo::fileops::win
