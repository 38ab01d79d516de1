#pragma once
// What each cell of a list row, the header, the cursor row's tool tip and the
// status line show, in both UI languages and both list views.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "filelist/display_format.h"
#include "filelist/file_entry.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist {

// How a row is shown. In subfolder mode every entry is a file, whatever its
// kind (the kind is its depth there) and size.
enum class EntryClass { File, Folder, Parent };
EntryClass classifyEntry(const FileEntry& entry, bool subfolderMode);

// The size cell of folders and of the parent entry.
inline constexpr const wchar_t* kFolderSizeText = L"< Folder >";

// The row's texts. Cells the view has no column for stay empty: created and
// accessed in the multi-column view, extension in the three-times view.
struct CellTexts {
    std::wstring name;
    std::wstring extension;
    std::wstring size;
    std::wstring created;
    std::wstring modified;
    std::wstring accessed;
    std::wstring attribute;
};

struct CellContext {
    ListView view = ListView::MultiColumn;
    UiLanguage language = UiLanguage::English;
    int timestampFormat = 0;            // TimestampFormat setting
    bool subfolderMode = false;
    std::wstring_view currentFolder;    // the listed folder (subfolder-mode names are relative to it)
    uint32_t parentTargetAttributes = 0;  // attributes of the folder the parent entry leads to
};

CellTexts cellTexts(const FileEntry& entry, const CellContext& context);

// Header labels left to right; the first (selection mark column) is empty.
// Multi-column view: 6 labels, three-times view: 7.
std::span<const wchar_t* const> headerLabels(ListView view, UiLanguage language);

// Tool tip row labels: size, Last Modified, attribute (multi-column view);
// size, Create Time, Last Modified, Access Time, attribute (three-times view).
std::span<const wchar_t* const> toolTipLabels(ListView view, UiLanguage language);

// The cursor row's tool tip built from its cells.
std::wstring toolTipText(const CellTexts& cells, ListView view, UiLanguage language);

// Status line: seven cells, left to right.
enum StatusCell : int {
    kStatusFontSize = 0,
    kStatusFreeSpace,
    kStatusSelectedFolders,
    kStatusSelectedFiles,
    kStatusTotalFolders,
    kStatusTotalFiles,
    kStatusContrast,
    kStatusCellCount
};

struct StatusValues {
    bool listingComplete = false;  // counts and sizes read 0 / "0 Byte" until then
    int64_t selectedFolders = 0;
    int64_t selectedFiles = 0;
    uint64_t selectedFileBytes = 0;
    int64_t totalFolders = 0;
    int64_t totalFiles = 0;
    uint64_t totalFileBytes = 0;
    std::optional<uint64_t> freeBytes;  // none when no drive letter matches (network folder)
    int fontSize = 0;
    int confirmedFontSize = 0;
    int contrast = 0;
    int confirmedContrast = 0;
};

// The font size and contrast indicators show only while the value differs
// from the one last confirmed.
inline bool indicatorShown(int current, int confirmed) { return current != confirmed; }

// A status text without its label: what follows the first ": " (the whole
// text when it has none).
std::wstring_view statusValueOnly(std::wstring_view text);

std::array<std::wstring, kStatusCellCount> statusLineTexts(const StatusValues& values,
                                                           UiLanguage language);

}  // namespace tarvelo::filelist
