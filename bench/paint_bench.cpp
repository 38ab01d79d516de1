// Repaint figures of the list pane: a page of 40 rows painted 100 times into
// the back buffer in each view, beside a plain fill of the same buffer.
//   paint_page_ms     multi-column view, ms per frame
//   paint_page_3t_ms  three-times view, ms per frame
//   paint_floor_ms    plain fill of the multi-column view's buffer, ms per frame
//   paint_floor_3t_ms plain fill of the three-times view's buffer, ms per frame
#include <windows.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "bench_util.h"
#include "filelist/win/list_painter.h"
#include "filelist/win/shell_icon_cache.h"
#include "shell/app_settings.h"
#include "shell/win/theme_fonts.h"

namespace {

using namespace tarvelo;
using filelist::FileEntry;

constexpr int kFrames = 100;
constexpr int kPageRows = 40;
constexpr int kPaneWidth = 1200;

class BenchListing final : public filelist::win::ListingSource {
public:
    std::vector<FileEntry> entries;
    std::deque<std::wstring> paths;  // the entries' texts; a deque never moves them
    int count() const override { return static_cast<int>(entries.size()); }
    const FileEntry& entryAt(int i) const override { return entries[static_cast<size_t>(i)]; }
    bool isComplete() const override { return true; }
    int enumeratedCount() const override { return count(); }
    int filledCount() const override { return count(); }
    int sortItem() const override { return 1; }
    bool sortDescending() const override { return false; }
};

// A folder of 2000 entries: folders first, then files with a spread of
// extensions, attributes, sizes and every tenth one selected.
BenchListing makeListing() {
    static const wchar_t* const kExtensions[] = {L".txt", L".cpp", L".h",   L".png", L".jpg", L".zip", L".exe",
                                                 L".dll", L".md",  L".ini", L".log", L".pdf", L".json", L""};
    BenchListing l;
    l.entries.reserve(2000);
    auto add = [&](const std::wstring& path, int kind, uint32_t attributes, uint64_t size) {
        FileEntry e{};
        e.setPath(l.paths.emplace_back(path));
        e.kind = kind;
        e.attributes = attributes;
        e.size = size;
        e.modified = {2024, 5, 17, 13, 45, 9};
        e.created = {2023, 1, 2, 3, 4, 5};
        e.accessed = {2024, 6, 1, 8, 0, 0};
        e.loadIndex = static_cast<int32_t>(l.entries.size());
        e.selected = l.entries.size() % 10 == 3 ? 1 : 0;
        l.entries.push_back(e);
    };
    add(L"C:\\bench\\..", filelist::kKindParent, 0x10, 0);
    for (int i = 0; i < 60; ++i) add(L"C:\\bench\\folder " + std::to_wstring(i), filelist::kKindFolder, 0x10, 0);
    for (int i = 0; static_cast<int>(l.entries.size()) < 2000; ++i) {
        const std::wstring ext = kExtensions[i % (sizeof(kExtensions) / sizeof(kExtensions[0]))];
        const uint32_t attributes = 0x20 | (i % 17 == 0 ? 0x1 : 0) | (i % 23 == 0 ? 0x2 : 0);
        add(L"C:\\bench\\source file number " + std::to_wstring(i) + L" of the benchmark" + ext,
            filelist::kKindFile, attributes, static_cast<uint64_t>(i) * 7919);
    }
    return l;
}

double millisecondsPerFrame(const std::function<void()>& frame) {
    frame();  // warm: icons, glyph caches
    const double start = bench::nowMs();
    for (int i = 0; i < kFrames; ++i) frame();
    GdiFlush();
    return (bench::nowMs() - start) / kFrames;
}

// The smallest pane whose page holds kPageRows rows in the view.
int paneHeightFor(shell::ListView view) {
    const int rowHeight = shell::rowHeight(view, 0, 13, 96);
    return (kPageRows + 1) * rowHeight + 2 * shell::kListBandEdge;
}

struct ViewFigures {
    double paint = 0;
    double floor = 0;
};

ViewFigures measureView(shell::ListView view, const BenchListing& listing, const shell::win::ThemeFonts& fonts,
                        filelist::win::ShellIconCache& icons) {
    ViewFigures figures;
    platform::BackBuffer buffer;
    const int height = paneHeightFor(view);
    if (!buffer.resize(kPaneWidth, height)) return figures;
    const shell::ThemePalette palette = shell::buildPalette(shell::kThemeDark, 0);

    filelist::win::ListPaintInput in;
    in.listing = &listing;
    in.view = view;
    in.metrics = shell::listMetrics(kPaneWidth, height, view, 0, 13, 96);
    in.cursor.topIndex = 100;
    in.cursor.cursorRow = 7;
    in.cursor.lastRow = in.metrics.lastRow;
    in.palette = &palette;
    in.fonts = {fonts.listFont(), fonts.barFont(), fonts.largeFont(), 13};
    in.settings.stripeRow = true;
    in.settings.gridLine = true;
    in.settings.drawIcon = true;
    in.settings.toolTip = true;
    in.status.listingComplete = true;
    in.status.totalFiles = 1939;
    in.status.totalFolders = 60;
    in.status.freeBytes = 987654321098ULL;
    in.currentFolder = L"C:\\bench";
    in.icons = &icons;

    filelist::win::ListPaintOutput out;
    figures.floor = millisecondsPerFrame([&] { buffer.fill(palette[shell::kRoleBackground].value); });
    figures.paint = millisecondsPerFrame([&] { filelist::win::paintListPane(buffer, in, out); });
    if (out.rowsDrawn != kPageRows) figures.paint = -1;  // the page was not what the figure claims
    return figures;
}

// Reports each figure by name; the harness prints them.
void runPaintBench(const bench::Report& report) {
    shell::FontSettings font;
    font.faceName = shell::defaultFaceName(UiLanguage::English);
    shell::win::ThemeFonts fonts;
    if (!fonts.build(font, 96, nullptr)) return;
    const BenchListing listing = makeListing();
    filelist::win::ShellIconCache icons;
    const ViewFigures multi = measureView(shell::ListView::MultiColumn, listing, fonts, icons);
    const ViewFigures three = measureView(shell::ListView::ThreeTimes, listing, fonts, icons);
    report("paint_page_ms", multi.paint);
    report("paint_page_3t_ms", three.paint);
    report("paint_floor_ms", multi.floor);
    report("paint_floor_3t_ms", three.floor);
}

bench::GroupRegistration paintGroup("paint", runPaintBench);

}  // namespace
