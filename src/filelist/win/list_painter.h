#pragma once
// Paints the list pane into its back buffer: background, header with the
// sort mark, status line, the rows of a complete listing in either view,
// and the overlays (progress bars, selection map, rubber band, tool tip
// box). The painter only draws: header clicks, view restores and the parent
// entry's marks are applied by the pane before it paints.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "filelist/cell_texts.h"
#include "filelist/file_entry.h"
#include "filelist/list_cursor.h"
#include "filelist/list_geometry.h"
#include "platform/gdi_draw.h"
#include "shell/list_metrics.h"
#include "shell/theme_palette.h"
#include "shell/ui_language.h"

namespace tarvelo::shell::win {
class AnimatedBackground;
}

namespace tarvelo::filelist {
class FolderListing;
}

namespace tarvelo::filelist::win {

class ShellIconCache;

// What the painter reads of the listing.
class ListingSource {
public:
    virtual ~ListingSource() = default;
    virtual int count() const = 0;  // entries in display order
    virtual const FileEntry& entryAt(int displayIndex) const = 0;
    virtual bool isComplete() const = 0;
    virtual int enumeratedCount() const = 0;
    virtual int filledCount() const = 0;
    virtual int sortItem() const = 0;
    virtual bool sortDescending() const = 0;
};

// The program's one listing seen through ListingSource.
class FolderListingSource final : public ListingSource {
public:
    explicit FolderListingSource(const FolderListing& listing) : listing_(listing) {}
    int count() const override;
    const FileEntry& entryAt(int displayIndex) const override;
    bool isComplete() const override;
    int enumeratedCount() const override;
    int filledCount() const override;
    int sortItem() const override;
    bool sortDescending() const override;

private:
    const FolderListing& listing_;
};

struct ListPaintSettings {
    bool stripeRow = false;   // StripeRow
    bool drawIcon = true;     // DrawIcon
    bool toolTip = true;      // ToolTip
    bool gridLine = false;    // GridLine
    int timestampFormat = 0;  // TimestampFormat
    UiLanguage language = UiLanguage::English;
};

struct ListFonts {
    HFONT list = nullptr;   // rows and column measuring
    HFONT bar = nullptr;    // header cells and the status line
    HFONT large = nullptr;  // the three-times view's name line
    int listHeight = 0;     // the list font's height in pixels (decides word wrapping)
};

struct OperationProgress {
    long long done = 0;
    long long total = 0;
};

struct ListPaintInput {
    const ListingSource* listing = nullptr;
    shell::ListView view = shell::ListView::MultiColumn;
    ListCursor cursor;  // topIndex and cursorRow; the page size comes from metrics
    shell::ListMetrics metrics;
    const shell::ThemePalette* palette = nullptr;  // ThemaColor is palette->theme
    ListFonts fonts;
    int dpi = 96;
    ListPaintSettings settings;
    bool appActive = true;
    std::optional<POINT> pointer;        // over the pane, for the tool tip
    std::optional<PixelRect> band;       // the rubber band while one is drawn
    StatusValues status;                 // counts, sizes and free space from the caller
    bool subfolderMode = false;
    std::wstring currentFolder;
    uint32_t parentTargetAttributes = 0;  // the folder the parent entry leads to
    // Hit marks: the terms when search highlighting / filtering is on, else empty.
    std::vector<std::wstring> searchTerms;
    std::vector<std::wstring> filterTerms;
    std::optional<OperationProgress> operation;  // a running file operation
    shell::win::AnimatedBackground* background = nullptr;  // the Illuminate themes' drift
    ShellIconCache* icons = nullptr;  // nullptr: no icons even with DrawIcon on
};

struct ListPaintOutput {
    ColumnLayout columns;
    std::vector<PixelRect> headerCells;  // for header-click hit tests
    std::vector<PixelRect> statusCells;
    int rowsDrawn = 0;
    // The cursor entry's nameTruncated decision (index -1 when no cursor row was drawn).
    int nameTruncatedIndex = -1;
    bool nameTruncated = false;
    // The cursor row's tool tip: its text (empty: no box), the name cell it
    // belongs to, whether the box sits above it, and the box drawn.
    std::wstring toolTipText;
    PixelRect toolTipRect;
    bool toolTipAbove = false;
    PixelRect toolTipBox;
    bool loadProgressShown = false;
};

// Loads with at least this many filled entries show their progress bar.
inline constexpr int kLoadProgressMinEntries = 5000;

// One full paint of the pane into buffer. Nothing is drawn when the buffer
// or the input's listing or palette is missing.
void paintListPane(platform::BackBuffer& buffer, const ListPaintInput& in, ListPaintOutput& out);

// The load progress bar alone (the load timer draws it between paints);
// false when the load is too small to show one.
bool paintLoadProgress(HDC dc, int paneWidth, int paneHeight, const shell::ThemePalette& palette, int filled,
                       int enumerated, int dpi);

// Stores the painter's nameTruncated decision in the listing.
void storeNameTruncated(EntrySequence& entries, const ListPaintOutput& out);

}  // namespace tarvelo::filelist::win
