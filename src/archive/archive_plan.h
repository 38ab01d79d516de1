#pragma once
// What Compress and Expand do with each item, decided without touching the
// disk: the archive names, the source specifications, the destination
// folders, and the rules of the archive-name field.
#include <optional>
#include <string>
#include <string_view>

#include "archive/archiver_status.h"

namespace tarvelo::archive {

enum class CompressMode { Individually = 0, AllTogether = 1 };
enum class ArchiveType { Zip = 0, SevenZip = 1 };

const wchar_t* archiveExtension(ArchiveType type);  // ".zip" / ".7z"

// The first item's name without its extension plus the type's extension.
std::wstring proposedArchiveName(std::wstring_view firstItem, ArchiveType type);

// / * ? " > < | never reach the library in an archive name.
bool hasInvalidArchiveNameChar(std::wstring_view text);
// Without tabs and without those seven characters.
std::wstring withoutInvalidArchiveNameChars(std::wstring_view text);

// OK in the all-together mode: an empty field takes the proposed name back,
// a name without the type's extension (case-insensitive) gets it appended;
// in both cases the dialog stays open with the new text.
struct NameDecision {
    bool accept = false;
    std::wstring text;  // the field's text after OK
};
NameDecision decideArchiveName(std::wstring_view typed, ArchiveType type, std::wstring_view proposed);

struct CompressStep {
    std::wstring source;   // a path, a path with "\*", or a name relative to the current folder
    std::wstring archive;
    bool recurse = false;  // folders are compressed with their subfolders
    bool fromCurrentFolder = false;  // the process's current directory must be the current folder
};
// item: a full path; archiveName: the dialog's name (all-together mode).
CompressStep planCompress(std::wstring_view item, bool isFolder, CompressMode mode, ArchiveType type,
                          std::wstring_view archiveName);

struct ExpandStep {
    ArchiverLibrary library = ArchiverLibrary::SevenZip;
    std::wstring newFolder;    // created before extracting; empty: none
    std::wstring destination;  // with its trailing backslash
};
// Nothing for an extension no library serves.
std::optional<ExpandStep> planExpand(std::wstring_view archive, bool intoFolder);

}  // namespace tarvelo::archive
