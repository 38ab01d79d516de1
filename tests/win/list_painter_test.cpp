#include "filelist/win/list_painter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "filelist/row_layout.h"
#include "filelist/win/shell_icon_cache.h"
#include "shell/entry_colours.h"
#include "shell/system_contrast_palette.h"
#include "shell/win/animated_background.h"
#include "shell/win/high_contrast.h"
#include "shell/win/theme_fonts.h"

namespace tarvelo::filelist::win {
namespace {

using shell::Colour;
using shell::ListView;

// A listing in display order, as the painter reads it.
class FakeListing final : public ListingSource {
public:
    std::vector<FileEntry> entries;
    std::deque<std::wstring> paths;  // the entries' texts; a deque never moves them
    int sortColumn = 1;
    bool descending = false;
    bool complete = true;
    int enumerated = -1;  // -1: the entry count
    int filled = -1;

    int count() const override { return static_cast<int>(entries.size()); }
    const FileEntry& entryAt(int i) const override { return entries.at(static_cast<size_t>(i)); }
    bool isComplete() const override { return complete; }
    int enumeratedCount() const override { return enumerated < 0 ? count() : enumerated; }
    int filledCount() const override { return filled < 0 ? count() : filled; }
    int sortItem() const override { return sortColumn; }
    bool sortDescending() const override { return descending; }

    FileEntry& add(const std::wstring& path, int kind, uint32_t attributes, uint64_t size = 0) {
        FileEntry e{};
        e.setPath(paths.emplace_back(path));
        e.kind = kind;
        e.attributes = attributes;
        e.size = size;
        e.modified = {2024, 3, 1, 9, 30, 5};
        e.created = {2023, 12, 24, 18, 0, 0};
        e.accessed = {2024, 3, 2, 7, 1, 2};
        e.loadIndex = count();
        entries.push_back(e);
        return entries.back();
    }
};

// Row numbers of the sample listing.
constexpr int kParentRow = 0;
constexpr int kDocsRow = 1;       // folder
constexpr int kGitRow = 2;        // hidden folder
constexpr int kReadmeRow = 3;     // archive file, selected
constexpr int kLockedRow = 4;     // read-only
constexpr int kSecretRow = 5;     // hidden
constexpr int kBootRow = 6;       // system
constexpr int kLongRow = 7;       // long path, selected
constexpr int kCursorRow = 8;     // the cursor's file, with a long name
constexpr int kBandRow = 9;       // inBand and selected

FakeListing sampleListing() {
    FakeListing l;
    l.add(L"C:\\work\\..", kKindParent, 0x10).selected = 1;  // as if select all had reached it
    l.add(L"C:\\work\\docs", kKindFolder, 0x10);
    l.add(L"C:\\work\\.git", kKindFolder, 0x12);
    l.add(L"C:\\work\\readme.txt", kKindFile, 0x20, 1234).selected = 1;
    l.add(L"C:\\work\\locked.dat", kKindFile, 0x21, 99);
    l.add(L"C:\\work\\secret.ini", kKindFile, 0x22, 5);
    l.add(L"C:\\work\\boot.sys", kKindFile, 0x26, 77777);
    std::wstring longPath = L"C:\\work\\";
    while (longPath.size() < 270) longPath += L"deep\\";
    l.add(longPath + L"far.bin", kKindFile, 0x20, 12).selected = 1;
    l.add(L"C:\\work\\a very long file name that will never fit in the name column of this pane, not even in the "
          L"three-times view where the name runs across the whole row of a wide pane.txt",
          kKindFile, 0x20, 4096);
    FileEntry& band = l.add(L"C:\\work\\band.log", kKindFile, 0x20, 1);
    band.inBand = 1;
    band.selected = 1;
    l.add(L"C:\\work\\zeta.png", kKindFile, 0x20, 65536);
    l.add(L"C:\\work\\omega.jpg", kKindFile, 0x20, 1 << 20);
    return l;
}

class ListPainterTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 900;
    static constexpr int kHeight = 640;

    void SetUp() override {
        shell::FontSettings font;
        font.faceName = shell::defaultFaceName(UiLanguage::English);
        ASSERT_TRUE(fonts.build(font, 96, nullptr));
        ASSERT_TRUE(buffer.resize(kWidth, kHeight));
        listing = sampleListing();
    }

    ListPaintInput input(int theme, ListView view, int lineHeight = 0) {
        palette = shell::buildPalette(theme, 0);
        ListPaintInput in;
        in.listing = &listing;
        in.view = view;
        in.metrics = shell::listMetrics(kWidth, kHeight, view, lineHeight, 13, 96);
        in.cursor.topIndex = 0;
        in.cursor.cursorRow = kCursorRow;
        in.cursor.lastRow = in.metrics.lastRow;
        in.palette = &palette;
        in.fonts = {fonts.listFont(), fonts.barFont(), fonts.largeFont(), 13};
        in.settings.stripeRow = true;
        in.settings.gridLine = true;
        in.settings.drawIcon = true;
        in.settings.toolTip = true;
        in.status.listingComplete = true;
        in.status.totalFiles = 9;
        in.status.totalFolders = 2;
        in.status.totalFileBytes = 1234 + 99 + 5 + 77777 + 12 + 4096 + 1 + 65536 + (1 << 20);
        in.status.selectedFiles = 3;
        in.status.selectedFileBytes = 1247;
        in.status.freeBytes = 123456789012ULL;
        in.status.fontSize = 13;
        in.status.confirmedFontSize = 13;
        in.currentFolder = L"C:\\work";
        in.parentTargetAttributes = 0x10;
        in.icons = &icons;
        return in;
    }

    Colour pixel(int x, int y) const { return Colour{GetPixel(buffer.dc(), x, y) & 0xFFFFFF}; }

    // y inside row r, `dy` pixels below its top.
    int rowY(const ListPaintInput& in, int r, int dy) const { return in.metrics.rows.top + r * in.metrics.rowHeight + dy; }
    // The centre of the selection mark cell of row r.
    POINT markCentre(const ListPaintInput& in, const ListPaintOutput& out, int r) const {
        const RowFrame f = rowFrame(in.metrics, out.columns, in.view, r);
        return {out.columns.left[0] + out.columns.width[0] / 2, (f.cellsTop + f.cellsBottom) / 2};
    }
    // A point of row r's band right of every text: the attribute cell's padding.
    int quietX(const ListPaintInput& in) const { return in.metrics.rows.right - 3; }

    // Keeps the picture for people to look at (TARVELO_ARTIFACTS, a Linux path).
    void saveArtifact(const std::string& name) const {
        const char* dir = std::getenv("TARVELO_ARTIFACTS");
        if (dir == nullptr || *dir == '\0') return;
        std::wstring path = L"Z:";
        for (const char* p = dir; *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*p));
        path += L"\\";
        path += std::wstring(name.begin(), name.end()) + L".bmp";
        BITMAPINFOHEADER ih{};
        ih.biSize = sizeof(ih);
        ih.biWidth = buffer.width();
        ih.biHeight = -buffer.height();
        ih.biPlanes = 1;
        ih.biBitCount = 32;
        std::vector<uint32_t> pixels(static_cast<size_t>(buffer.width()) * buffer.height());
        BITMAPINFO info{};
        info.bmiHeader = ih;
        HGDIOBJ bitmap = GetCurrentObject(buffer.dc(), OBJ_BITMAP);
        GetDIBits(buffer.dc(), static_cast<HBITMAP>(bitmap), 0, buffer.height(), pixels.data(), &info, DIB_RGB_COLORS);
        // GDI leaves the alpha byte 0 (icons set it): make the picture opaque.
        for (uint32_t& p : pixels) p |= 0xFF000000u;
        BITMAPFILEHEADER fh{};
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof(fh) + sizeof(ih);
        fh.bfSize = fh.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << "cannot write the artifact " << name;
        DWORD written = 0;
        WriteFile(h, &fh, sizeof(fh), &written, nullptr);
        WriteFile(h, &ih, sizeof(ih), &written, nullptr);
        WriteFile(h, pixels.data(), static_cast<DWORD>(pixels.size() * 4), &written, nullptr);
        CloseHandle(h);
    }

    shell::win::ThemeFonts fonts;
    platform::BackBuffer buffer;
    FakeListing listing;
    shell::ThemePalette palette;
    ShellIconCache icons;
};

bool between(int v, int a, int b) { return v >= std::min(a, b) - 1 && v <= std::max(a, b) + 1; }

void expectInGradient(Colour c, const shell::Gradient& g) {
    EXPECT_TRUE(between(c.r(), g.from.r(), g.to.r()) && between(c.g(), g.from.g(), g.to.g()) &&
                between(c.b(), g.from.b(), g.to.b()))
        << c << " not between " << g.from << " and " << g.to;
}

struct ThemeView {
    int theme;
    ListView view;
    const char* name;
};

class ListPainterLook : public ListPainterTest, public ::testing::WithParamInterface<ThemeView> {};

// Background, stripes, cursor row, selection marks, sort mark and header
// cells at known points, in the Dark and Light Blue themes and both views.
TEST_P(ListPainterLook, SampledPixelsFollowTheThemeRoles) {
    const ThemeView tv = GetParam();
    ListPaintInput in = input(tv.theme, tv.view);
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    saveArtifact(std::string("list_") + tv.name);

    const Colour back = palette[shell::kRoleBackground];
    const Colour text = palette[shell::kRoleText];
    EXPECT_EQ(pixel(3, 3), back);                                          // pane corner
    EXPECT_EQ(pixel(quietX(in), rowY(in, kSecretRow, 2)), palette[shell::kRoleStripe]);  // odd row: stripe
    EXPECT_EQ(pixel(quietX(in), rowY(in, kLockedRow, 2)), back);                         // even row
    EXPECT_EQ(pixel(quietX(in), in.metrics.rows.bottom - 5), back);                     // below the rows
    // Grid line along the bottom of an ordinary row.
    EXPECT_EQ(pixel(quietX(in), rowY(in, kLockedRow, in.metrics.rowHeight - 1)),
              shell::gridLineColour(palette).colour);

    // Cursor row: a vertical gradient from the group's cursor fill lightened
    // by 13 down to it darkened by 13; no grid line over it.
    const shell::ColourPair cursorPair = shell::rowColours(palette, shell::EntryGroup::Archive, true, false);
    const shell::Gradient g = shell::cursorRowGradient(palette, cursorPair.fill, true);
    const Colour top = pixel(quietX(in), rowY(in, kCursorRow, 1));
    const Colour bottom = pixel(quietX(in), rowY(in, kCursorRow, in.metrics.rowHeight - 1));
    expectInGradient(top, g);
    expectInGradient(bottom, g);
    EXPECT_NE(top, bottom);

    // Selection marks in the row's text colour; faded for the long path; the
    // parent entry shows none although its flag is set.
    POINT p = markCentre(in, out, kReadmeRow);
    EXPECT_EQ(pixel(p.x, p.y), shell::rowColours(palette, shell::EntryGroup::Archive, false, false).text);
    p = markCentre(in, out, kLongRow);
    EXPECT_EQ(pixel(p.x, p.y), shell::rowColours(palette, shell::EntryGroup::Archive, false, true).text);
    p = markCentre(in, out, kParentRow);
    EXPECT_EQ(pixel(p.x, p.y), back);
    // A band-marked selected entry: the frame's inside is the text/fill mix.
    const shell::ColourPair bandPair = shell::rowColours(palette, shell::EntryGroup::Archive, false, false);
    p = markCentre(in, out, kBandRow);
    EXPECT_EQ(pixel(p.x, p.y), shell::averageColour(bandPair.text, bandPair.fill));

    // Header: one cell per column over the header band, the sort mark in the
    // name column (ascending: near the top).
    const size_t columns = tv.view == ListView::MultiColumn ? 6 : 7;
    ASSERT_EQ(out.headerCells.size(), columns);
    EXPECT_EQ(out.headerCells.front().left, in.metrics.rows.left);
    EXPECT_EQ(out.headerCells.back().right, in.metrics.rows.right);
    EXPECT_EQ(out.headerCells[1].top, 12);
    EXPECT_EQ(out.headerCells[1].bottom, 38);
    const SortMark mark = sortMarkFor(out.headerCells[1], false, 96);
    EXPECT_EQ(pixel(mark.mark.left + 1, mark.mark.top + 2), text);
    EXPECT_EQ(pixel(mark.frame.left, mark.frame.top + 10), shell::averageColour(text, back));
    EXPECT_EQ(out.statusCells.size(), 7u);

    // Selection map: entries selected, so the cursor entry has its mark too.
    const PixelRect strip = selectionMapStrip(in.metrics.rows.right, kHeight, 96);
    const PixelRect cursorMark = selectionMapMark(strip, kCursorRow, listing.count(), 96);
    EXPECT_EQ(pixel(strip.left + 1, (cursorMark.top + cursorMark.bottom) / 2), palette[shell::kRoleMapCursor]);
    const PixelRect readmeMark = selectionMapMark(strip, kReadmeRow, listing.count(), 96);
    EXPECT_EQ(pixel(strip.left + 1, (readmeMark.top + readmeMark.bottom) / 2), palette[shell::kRoleMapSelection]);

    EXPECT_EQ(out.rowsDrawn, std::min(listing.count(), in.metrics.lastRow + 1));
    EXPECT_EQ(out.nameTruncatedIndex, kCursorRow);
    EXPECT_TRUE(out.nameTruncated);
    EXPECT_FALSE(out.loadProgressShown);
}

INSTANTIATE_TEST_SUITE_P(ThemesAndViews, ListPainterLook,
                         ::testing::Values(ThemeView{shell::kThemeDark, ListView::MultiColumn, "dark_multi"},
                                           ThemeView{shell::kThemeDark, ListView::ThreeTimes, "dark_three"},
                                           ThemeView{shell::kThemeLightBlue, ListView::MultiColumn, "lightblue_multi"},
                                           ThemeView{shell::kThemeLightBlue, ListView::ThreeTimes, "lightblue_three"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListPainterTest, InactiveAppPaintsAPalerCursorRow) {
    ListPaintInput in = input(shell::kThemeLightBlue, ListView::MultiColumn);
    in.appActive = false;
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    const shell::ColourPair pair = shell::rowColours(palette, shell::EntryGroup::Archive, true, false);
    const shell::Gradient pale = shell::cursorRowGradient(palette, pair.fill, false);
    expectInGradient(pixel(quietX(in), rowY(in, kCursorRow, 1)), pale);
    expectInGradient(pixel(quietX(in), rowY(in, kCursorRow, in.metrics.rowHeight - 1)), pale);
}

// Windows' high-contrast colours, set in the test prefix, replace the theme
// wherever the list paints; the theme's own colours come back without them.
TEST_F(ListPainterTest, HighContrastPaintsTheSystemColoursInsteadOfTheTheme) {
    const INT indexes[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT};
    COLORREF saved[std::size(indexes)];
    for (size_t i = 0; i < std::size(indexes); ++i) saved[i] = GetSysColor(indexes[i]);
    struct Restore {
        const INT* indexes;
        const COLORREF* colours;
        ~Restore() { SetSysColors(5, indexes, colours); }
    } restore{indexes, saved};
    const COLORREF contrast[] = {RGB(0x10, 0x20, 0x30), RGB(0xF0, 0xE0, 0xD0), RGB(0x00, 0xA0, 0x00),
                                 RGB(0xFF, 0xFF, 0x00), RGB(0x80, 0x80, 0x40)};
    ASSERT_TRUE(SetSysColors(5, indexes, contrast));

    ListPaintInput in = input(shell::kThemeIlluminateLight, ListView::MultiColumn);
    palette = shell::systemContrastPalette(shell::win::systemColours());
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    saveArtifact("list_high_contrast");

    const Colour window = Colour::fromHex(0x102030);
    EXPECT_EQ(pixel(3, 3), window);
    // No stripes and no drifting background: both rows are the window colour.
    EXPECT_EQ(pixel(quietX(in), rowY(in, kSecretRow, 2)), window);
    EXPECT_EQ(pixel(quietX(in), rowY(in, kLockedRow, 2)), window);
    // The cursor row in the highlight colour (the usual light-to-dark shading).
    expectInGradient(pixel(quietX(in), rowY(in, kCursorRow, 1)),
                     shell::cursorRowGradient(palette, Colour::fromHex(0x00A000), true));
    // Selection marks of ordinary rows in the window text colour; hidden rows
    // in the grey text colour.
    POINT p = markCentre(in, out, kReadmeRow);
    EXPECT_EQ(pixel(p.x, p.y), Colour::fromHex(0xF0E0D0));
    EXPECT_TRUE(palette.isDarkTheme);
    EXPECT_EQ(shell::rowColours(palette, shell::EntryGroup::Hidden, false, false).text, Colour::fromHex(0x808040));

    // Switched off: the theme's palette paints again.
    in = input(shell::kThemeLightBlue, ListView::MultiColumn);
    paintListPane(buffer, in, out);
    EXPECT_EQ(pixel(3, 3), Colour::fromHex(0xD0E9FE));
}

TEST_F(ListPainterTest, LoadProgressBarOnlyFromFiveThousandFilledEntries) {
    ListPaintInput in = input(shell::kThemeDark, ListView::MultiColumn);
    listing.complete = false;
    const PixelRect bar = progressBar(kWidth, kHeight, 96);
    struct Case {
        int filled;
        int enumerated;
        bool shown;
    };
    for (const Case c : {Case{4999, 4999, false}, Case{0, 20000, false}, Case{6000, 12000, true}}) {
        listing.filled = c.filled;
        listing.enumerated = c.enumerated;
        ListPaintOutput out;
        paintListPane(buffer, in, out);
        EXPECT_EQ(out.loadProgressShown, c.shown) << c.filled;
        EXPECT_EQ(out.rowsDrawn, 0);  // no rows while the load runs
        const Colour left = pixel(bar.left + 2, bar.top + 2);
        const Colour right = pixel(bar.right - 2, bar.top + 2);
        if (c.shown) {
            EXPECT_EQ(left, palette[shell::kRoleLoadProgress]);
            EXPECT_NE(right, palette[shell::kRoleLoadProgress]);
            EXPECT_NE(right, palette[shell::kRoleBackground]);
        } else {
            EXPECT_EQ(left, palette[shell::kRoleBackground]);
            EXPECT_EQ(right, palette[shell::kRoleBackground]);
        }
    }
    // The load timer's own drawing follows the same threshold.
    EXPECT_FALSE(paintLoadProgress(buffer.dc(), kWidth, kHeight, palette, 4999, 9000, 96));
    EXPECT_TRUE(paintLoadProgress(buffer.dc(), kWidth, kHeight, palette, 9000, 9000, 96));
    EXPECT_EQ(pixel(bar.right - 2, bar.top + 2), palette[shell::kRoleLoadProgress]);  // 100 %: all of it
}

TEST_F(ListPainterTest, NothingSelectedMeansNoCursorMarkInTheMap) {
    for (FileEntry& e : listing.entries) {
        e.selected = 0;
        e.inBand = 0;
    }
    ListPaintInput in = input(shell::kThemeDark, ListView::MultiColumn);
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    const PixelRect strip = selectionMapStrip(in.metrics.rows.right, kHeight, 96);
    // (the status cells may run past the rows' right edge below them)
    for (int y = strip.top; y < in.metrics.rows.bottom; y += 3) {
        ASSERT_EQ(pixel(strip.left + 1, y), palette[shell::kRoleBackground]) << y;
    }
}

TEST_F(ListPainterTest, ToolTipBoxForATruncatedNameUnderThePointer) {
    ListPaintInput in = input(shell::kThemeLightBlue, ListView::MultiColumn);
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    ASSERT_TRUE(out.toolTipText.empty());  // no pointer yet
    const PixelRect tipRect = out.toolTipRect;
    in.pointer = POINT{tipRect.left + 20, (tipRect.top + tipRect.bottom) / 2};
    paintListPane(buffer, in, out);
    saveArtifact("list_lightblue_tooltip");
    ASSERT_FALSE(out.toolTipText.empty());
    EXPECT_NE(out.toolTipText.find(L"4,096 Byte"), std::wstring::npos) << out.toolTipText.c_str();
    // Row 8 of a page of lastRow + 1 rows lies in the upper half: below the row.
    EXPECT_EQ(out.toolTipAbove, toolTipAbove(kCursorRow, in.metrics.lastRow));
    EXPECT_GT(out.toolTipBox.top, tipRect.bottom);
    EXPECT_EQ(pixel(out.toolTipBox.left + 3, out.toolTipBox.top + 3), palette[shell::kRoleToolTipFill]);
    EXPECT_EQ(pixel(out.toolTipBox.left + 1, out.toolTipBox.top + 5), palette[shell::kRoleToolTipText]);
    // A short name is not truncated: no box even under the pointer.
    in.cursor.cursorRow = kDocsRow;
    paintListPane(buffer, in, out);
    in.pointer = POINT{out.toolTipRect.left + 5, (out.toolTipRect.top + out.toolTipRect.bottom) / 2};
    paintListPane(buffer, in, out);
    EXPECT_FALSE(out.nameTruncated);
    EXPECT_TRUE(out.toolTipText.empty());
}

TEST_F(ListPainterTest, TallRowsWrapTheNameInsteadOfCuttingIt) {
    // LineHeight 30 makes rows of 51 pixels, more than three times the font.
    ListPaintInput in = input(shell::kThemeDark, ListView::MultiColumn, 30);
    const std::wstring name =
        L"C:\\work\\a name long enough to need a second line when it wraps at words in a tall row.txt";
    listing.entries[kCursorRow].setPath(name);
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    saveArtifact("list_dark_tall_rows");
    EXPECT_EQ(out.nameTruncatedIndex, kCursorRow);
    EXPECT_FALSE(out.nameTruncated);
    // Two lines, centred in the row: ink above and below where one centred
    // line would sit (from 19 to 32 pixels below the row's top).
    const RowFrame f = rowFrame(in.metrics, out.columns, in.view, kCursorRow);
    const TextBox box = nameTextBox(f.nameArea, in.metrics.rowHeight, true, 96);
    auto inkBetween = [&](int from, int to) {
        int inked = 0;
        for (int y = f.band.top + from; y < f.band.top + to; ++y) {
            for (int x = box.rect.left; x < box.rect.right; ++x) inked += pixel(x, y).g() < 0x60;  // dark text
        }
        return inked;
    };
    EXPECT_GT(inkBetween(10, 18), 30);
    EXPECT_GT(inkBetween(33, 38), 30);
    // The same name in a row of ordinary height is cut instead.
    ListPaintInput flat = input(shell::kThemeDark, ListView::MultiColumn, 0);
    paintListPane(buffer, flat, out);
    EXPECT_TRUE(out.nameTruncated);
}

TEST_F(ListPainterTest, RubberBandBlendsB2WithCornerMarks) {
    ListPaintInput in = input(shell::kThemeDark, ListView::MultiColumn);
    in.band = PixelRect{400, 300, 520, 380};
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    saveArtifact("list_dark_band");
    const Colour band = palette[shell::kRoleRubberBand];
    EXPECT_EQ(pixel(in.band->left + 3, in.band->top + 3), band);  // corner mark
    EXPECT_EQ(pixel(in.band->right - 4, in.band->bottom - 4), band);
    // Inside: the row's own colour pulled a little towards B2.
    const Colour inside = pixel(460, 350);  // below the last row
    const Colour plain = palette[shell::kRoleBackground];
    EXPECT_NE(inside, plain);
    EXPECT_LT(std::abs(inside.g() - plain.g()), 30);
}

TEST_F(ListPainterTest, IlluminateThemesPaintTheDriftingBackgroundAndBlendedStripes) {
    class FixedRandom final : public shell::RandomSource {
    public:
        uint32_t next() override { return value_ += 77; }

    private:
        uint32_t value_ = 11;
    } random;
    shell::win::AnimatedBackground background(random);
    ListPaintInput in = input(shell::kThemeIlluminateDark, ListView::ThreeTimes);
    in.background = &background;
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    saveArtifact("list_illuminate_dark_three");
    EXPECT_TRUE(background.drift().started());
    EXPECT_NE(pixel(3, 3), palette[shell::kRoleBackground]);  // the drift covers the pane
    EXPECT_EQ(out.rowsDrawn, std::min(listing.count(), in.metrics.lastRow + 1));
}

TEST_F(ListPainterTest, JapaneseLabelsFitTheirCells) {
    ListPaintInput in = input(shell::kThemeDark, ListView::MultiColumn);
    in.settings.language = UiLanguage::Japanese;
    ListPaintOutput out;
    paintListPane(buffer, in, out);
    saveArtifact("list_dark_multi_ja");
    // Something is written in the Last Modified header cell, in the text colour's direction.
    const PixelRect cell = out.headerCells[4];
    int inked = 0;
    for (int y = cell.top + 2; y < cell.bottom - 2; ++y) {
        for (int x = cell.left + 2; x < cell.right - 2; ++x) {
            if (pixel(x, y).g() > 0x80) ++inked;
        }
    }
    EXPECT_GT(inked, 10);
}

// A 16 x 16 icon, or nothing, counting how often it was asked for.
class CountingLookup {
public:
    int calls = 0;
    bool none = false;
    std::vector<std::wstring> paths;

    IconLookup function() {
        return [this](std::wstring_view path, bool, bool) {
            ++calls;
            paths.emplace_back(path);
            if (none) return platform::UniqueIcon();
            return platform::UniqueIcon(CreateIcon(GetModuleHandleW(nullptr), 16, 16, 1, 1, andMask_, xorMask_));
        };
    }

private:
    BYTE andMask_[32] = {};                                        // all opaque
    BYTE xorMask_[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};  // white top rows, black below
};

TEST(ShellIconCache, AsksTheShellOncePerExtensionAndPerFolder) {
    CountingLookup lookup;
    ShellIconCache cache(lookup.function(), 2);
    platform::BackBuffer target;
    ASSERT_TRUE(target.resize(64, 64));
    EXPECT_TRUE(cache.draw(target.dc(), 0, 0, 17, L"C:\\a\\one.TXT", false));
    EXPECT_TRUE(cache.draw(target.dc(), 0, 20, 17, L"C:\\b\\two.txt", false));
    EXPECT_TRUE(cache.draw(target.dc(), 20, 0, 48, L"C:\\c\\three.txt", false));  // new size: drawn again, not asked
    EXPECT_EQ(lookup.calls, 1);
    EXPECT_EQ(cache.extensionCount(), 1u);

    EXPECT_TRUE(cache.draw(target.dc(), 0, 0, 17, L"C:\\f1", true));
    EXPECT_TRUE(cache.draw(target.dc(), 0, 0, 17, L"C:\\f2", true));
    EXPECT_TRUE(cache.draw(target.dc(), 0, 0, 17, L"C:\\f1", true));  // still cached
    EXPECT_EQ(lookup.calls, 3);
    EXPECT_TRUE(cache.draw(target.dc(), 0, 0, 17, L"C:\\f3", true));  // pushes out f2, the oldest
    EXPECT_TRUE(cache.draw(target.dc(), 0, 0, 17, L"C:\\f1", true));
    EXPECT_EQ(lookup.calls, 4);
    EXPECT_TRUE(cache.draw(target.dc(), 0, 0, 17, L"C:\\f2", true));
    EXPECT_EQ(lookup.calls, 5);
    EXPECT_EQ(cache.folderCount(), 2u);

    // An extension without an icon is remembered as such.
    lookup.none = true;
    EXPECT_FALSE(cache.draw(target.dc(), 0, 0, 17, L"C:\\x.zzz", false));
    EXPECT_FALSE(cache.draw(target.dc(), 0, 0, 17, L"C:\\y.ZZZ", false));
    EXPECT_EQ(lookup.calls, 6);
    EXPECT_EQ(iconExtensionKey(L"C:\\d.x\\Name.Tar.GZ"), L".gz");
    EXPECT_EQ(iconExtensionKey(L"C:\\d.x\\Makefile"), L"");
}

TEST(ShellIconCache, ScalesTheIconWithItsTransparency) {
    CountingLookup lookup;
    ShellIconCache cache(lookup.function());
    platform::BackBuffer target;
    ASSERT_TRUE(target.resize(64, 64));
    target.fill(RGB(200, 0, 0));
    ASSERT_TRUE(cache.draw(target.dc(), 10, 10, 32, L"C:\\a.txt", false));
    // Opaque icon: white top quarter, black below, scaled twice over; the
    // red around it untouched.
    EXPECT_EQ(GetPixel(target.dc(), 20, 11) & 0xFFFFFF, RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(target.dc(), 20, 30) & 0xFFFFFF, RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(target.dc(), 9, 20) & 0xFFFFFF, RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(target.dc(), 42, 20) & 0xFFFFFF, RGB(200, 0, 0));
}

TEST(ShellIconCache, TheShellGivesFileIconsByExtensionWithoutTheFile) {
    ShellIconCache cache;
    platform::BackBuffer target;
    ASSERT_TRUE(target.resize(40, 40));
    target.fill(RGB(1, 2, 3));
    EXPECT_TRUE(cache.draw(target.dc(), 2, 2, 32, L"Z:\\no\\such\\folder\\file.txt", false));
    int changed = 0;
    for (int y = 2; y < 34; ++y) {
        for (int x = 2; x < 34; ++x) changed += (GetPixel(target.dc(), x, y) & 0xFFFFFF) != RGB(1, 2, 3);
    }
    EXPECT_GT(changed, 50);
    EXPECT_EQ(cache.lookups(), 1);
}

}  // namespace
}  // namespace tarvelo::filelist::win
