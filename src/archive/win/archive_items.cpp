#include "archive/win/archive_items.h"

#include <windows.h>

#include "archive/archive_texts.h"
#include "archive/member_safety.h"

namespace tarvelo::archive::win {

namespace {

std::wstring withDetail(const std::wstring& item, const wchar_t* pattern, const std::wstring& detail) {
    std::wstring line = item + L"\r\n";
    for (const wchar_t* p = pattern; *p; ++p) {
        if (p[0] == L'%' && p[1] == L's') {
            line += detail;
            ++p;
        } else {
            line += *p;
        }
    }
    return line;
}

std::wstring failureLine(const ArchiverBridge& bridge, const std::wstring& item, UiLanguage language) {
    if (bridge.lastFailure == BridgeFailure::Unrepresentable) {
        return withDetail(item, archiveTexts(language).unrepresentable, L"");
    }
    return item;
}

void createFolderPath(const std::wstring& folder) {
    for (size_t i = 3; i <= folder.size(); ++i) {
        if (i == folder.size() || folder[i] == L'\\') CreateDirectoryW(folder.substr(0, i).c_str(), nullptr);
    }
}

}  // namespace

std::optional<std::wstring> compressItem(ArchiverBridge& bridge, const std::wstring& item,
                                         const std::wstring& currentFolder, CompressMode mode, ArchiveType type,
                                         const std::wstring& archiveName, int levelIndex, UiLanguage language) {
    // A folder is whatever can become the current directory.
    const bool isFolder = SetCurrentDirectoryW(item.c_str()) != 0;
    const CompressStep step = planCompress(item, isFolder, mode, type, archiveName);
    if (step.fromCurrentFolder) SetCurrentDirectoryW(currentFolder.c_str());
    if (bridge.compressSevenZip(step.source, step.archive, levelIndex, step.recurse)) return std::nullopt;
    return failureLine(bridge, item, language);
}

std::optional<std::wstring> expandItem(ArchiverBridge& bridge, const std::wstring& archive, bool intoFolder,
                                       UiLanguage language) {
    const std::optional<ExpandStep> step = planExpand(archive, intoFolder);
    if (!step) return std::nullopt;
    if (step->library == ArchiverLibrary::Unrar && !bridge.unrarAvailable) return std::nullopt;
    if (!bridge.listMembers(archive)) return failureLine(bridge, archive, language);
    const ArchiveTexts& t = archiveTexts(language);
    for (const std::wstring& member : bridge.memberNames) {
        if (!isSafeMemberName(member)) return withDetail(archive, t.unsafeMember, member);
    }
    for (const std::wstring& member : bridge.memberNames) {
        if (isFolderMember(member)) continue;
        const std::wstring target = memberTargetPath(step->destination, member);
        if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return withDetail(archive, t.wouldOverwrite, target);
        }
    }
    if (!step->newFolder.empty()) createFolderPath(step->newFolder);
    const bool extracted = step->library == ArchiverLibrary::SevenZip
                               ? bridge.extractSevenZip(step->destination, archive)
                               : bridge.extractUnrar(step->destination, archive);
    if (!extracted) return failureLine(bridge, archive, language);
    return std::nullopt;
}

}  // namespace tarvelo::archive::win
