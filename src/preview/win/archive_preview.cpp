#include "preview/win/archive_preview.h"

#include <shlobj.h>

#include <vector>

#include "archive/member_safety.h"
#include "archive/win/archiver_bridge.h"
#include "common/path_split.h"
#include "preview/archive_member_choice.h"
#include "preview/expansion_folder.h"
#include "preview/preview_fit.h"

namespace tarvelo::preview::win {

namespace {

bool sameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

bool isPlainFolder(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The folder itself, and no link of that name that would send the
// extracted file elsewhere.
bool makeExpansionFolder(const std::wstring& folder) {
    const std::wstring path = folder.substr(0, folder.size() - 1);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    }
    return isPlainFolder(path);
}

void removeFile(const std::wstring& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    DeleteFileW(path.c_str());
}

bool isLibraryOnlyImage(const std::wstring& extension) { return previewType(extension) == 3; }

// Extraction makes the expansion folder the current directory; the program
// goes back to where it was, so that the folder can be removed at exit.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() {
        const DWORD n = GetCurrentDirectoryW(0, nullptr);
        if (n == 0) return;
        saved_.resize(n);
        const DWORD got = GetCurrentDirectoryW(n, saved_.data());
        saved_.resize(got < n ? got : 0);
    }
    ~CurrentDirectoryKeeper() {
        if (!saved_.empty()) SetCurrentDirectoryW(saved_.c_str());
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    std::wstring saved_;
};

// The chosen member alone, under the archive's base name with the member's
// extension. Empty when it could not be had.
std::wstring extractMember(archive::win::ArchiverBridge& bridge, const std::wstring& folder,
                           const std::wstring& archivePath, const common::PathParts& archiveParts,
                           const std::wstring& member) {
    const std::wstring bare = memberBareName(member);
    const std::wstring extracted = folder + bare;
    const std::wstring shown = folder + expandedPreviewName(archiveParts.stem, member);
    // A stale copy of that name must not pass for what the library wrote.
    removeFile(extracted);
    bool ok = false;
    {
        CurrentDirectoryKeeper keep;
        ok = sameName(archiveParts.extension, L".rar") ? bridge.extractUnrar(folder, archivePath, member)
                                                        : bridge.extractSevenZip(folder, archivePath, member);
    }
    if (!ok || GetFileAttributesW(extracted.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    // "pics.zip" holding "pics.jpg": the extracted file already has its name.
    if (sameName(extracted, shown)) return extracted;
    removeFile(shown);
    if (!MoveFileExW(extracted.c_str(), shown.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) return {};
    return shown;
}

}  // namespace

std::wstring expansionFolder() {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0 || n >= buffer.size()) return {};
    const common::PathParts parts = common::splitPath(std::wstring(buffer.data(), n));
    return expansionFolderFor(parts.drive + parts.directory);
}

ArchivePreviewOutcome ArchivePreview::show(HDC dc, int width, int height, const std::wstring& archivePath,
                                           int memberIndex, const ImageLibrary* library, const PreviewLook& look,
                                           HWND owner) {
    ArchivePreviewOutcome out;
    out.memberIndex = memberIndex;
    const std::wstring folder = expansionFolder();
    if (folder.empty() || !makeExpansionFolder(folder)) return out;

    archive::win::ArchiverBridge bridge(owner);
    if (!bridge.listMembers(archivePath)) return out;
    const std::vector<std::wstring>& members = bridge.memberNames;
    if (members.empty()) {
        out.endWalk = true;
        return out;
    }
    const int count = static_cast<int>(members.size());
    out.memberIndex = memberIndex >= count ? count - 1 : memberIndex;

    // A name that would climb out of the folder is never extracted.
    std::vector<bool> showable(members.size());
    for (size_t i = 0; i < members.size(); ++i) {
        showable[i] = isImageMemberName(members[i]) && archive::isSafeMemberName(members[i]);
    }
    const int previous = sameName(archivePath, lastArchive_) ? lastIndex_ : -1;
    const int chosen = chooseArchiveMember(showable, memberIndex, previous);
    if (chosen < 0) {
        out.endWalk = true;
        return out;
    }
    out.memberIndex = chosen;
    lastArchive_ = archivePath;
    lastIndex_ = chosen;

    const std::wstring& member = members[static_cast<size_t>(chosen)];
    const common::PathParts parts = common::splitPath(archivePath);
    const std::wstring title = archiveTitleText(parts.stem + parts.extension, member, count, look.japanese);
    const std::wstring shown = extractMember(bridge, folder, archivePath, parts, member);
    if (shown.empty()) return out;

    const bool libraryLoaded = library && library->loaded();
    if (isLibraryOnlyImage(common::splitPath(memberBareName(member)).extension) && !libraryLoaded) return out;
    out.drawn = drawImagePreview(dc, width, height, shown, title, libraryLoaded ? library : nullptr, look);
    return out;
}

}  // namespace tarvelo::preview::win
