#include "archive/archive_plan.h"

#include "archive/archive_commands.h"
#include "common/path_split.h"

namespace tarvelo::archive {

namespace {

constexpr std::wstring_view kInvalidArchiveNameChars = L"/*?\"><|";

bool endsWithNoCase(std::wstring_view text, std::wstring_view suffix) {
    if (text.size() < suffix.size()) return false;
    text.remove_prefix(text.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        wchar_t a = text[i], b = suffix[i];
        if (a >= L'A' && a <= L'Z') a = static_cast<wchar_t>(a - L'A' + L'a');
        if (b >= L'A' && b <= L'Z') b = static_cast<wchar_t>(b - L'A' + L'a');
        if (a != b) return false;
    }
    return true;
}

}  // namespace

const wchar_t* archiveExtension(ArchiveType type) { return type == ArchiveType::Zip ? L".zip" : L".7z"; }

std::wstring proposedArchiveName(std::wstring_view firstItem, ArchiveType type) {
    return common::splitPath(firstItem).stem + archiveExtension(type);
}

bool hasInvalidArchiveNameChar(std::wstring_view text) {
    return text.find_first_of(kInvalidArchiveNameChars) != std::wstring_view::npos;
}

std::wstring withoutInvalidArchiveNameChars(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c != L'\t' && kInvalidArchiveNameChars.find(c) == std::wstring_view::npos) out += c;
    }
    return out;
}

NameDecision decideArchiveName(std::wstring_view typed, ArchiveType type, std::wstring_view proposed) {
    if (typed.empty()) return {false, std::wstring(proposed)};
    const wchar_t* ext = archiveExtension(type);
    if (!endsWithNoCase(typed, ext)) return {false, std::wstring(typed) + ext};
    return {true, std::wstring(typed)};
}

CompressStep planCompress(std::wstring_view item, bool isFolder, CompressMode mode, ArchiveType type,
                          std::wstring_view archiveName) {
    const common::PathParts p = common::splitPath(item);
    CompressStep step;
    step.recurse = isFolder;
    if (mode == CompressMode::Individually) {
        step.source = std::wstring(item) + (isFolder ? L"\\*" : L"");
        step.archive = std::wstring(item) + archiveExtension(type);
        return step;
    }
    step.source = isFolder ? p.stem + p.extension + L"\\*" : std::wstring(item);
    step.archive = p.drive + p.directory + std::wstring(archiveName);
    step.fromCurrentFolder = true;
    return step;
}

std::optional<ExpandStep> planExpand(std::wstring_view archive, bool intoFolder) {
    const std::optional<ArchiverLibrary> library = libraryForArchive(archive);
    if (!library) return std::nullopt;
    const common::PathParts p = common::splitPath(archive);
    ExpandStep step;
    step.library = *library;
    if (intoFolder) {
        step.newFolder = p.drive + p.directory + p.stem + L"\\";
        step.destination = step.newFolder;
    } else {
        step.destination = p.drive + p.directory;
    }
    return step;
}

}  // namespace tarvelo::archive
