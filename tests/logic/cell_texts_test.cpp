#include "filelist/cell_texts.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <memory>

namespace tarvelo::filelist {
namespace {

constexpr UiLanguage EN = UiLanguage::English;
constexpr UiLanguage JP = UiLanguage::Japanese;
constexpr ListView MULTI = ListView::MultiColumn;
constexpr ListView THREE = ListView::ThreeTimes;

const LocalStamp kCreated{2023, 12, 31, 23, 59, 58};
const LocalStamp kModified{2024, 3, 1, 9, 5, 7};
const LocalStamp kAccessed{2024, 2, 29, 12, 0, 0};

std::unique_ptr<FileEntry> entry(const wchar_t* path, int32_t kind, uint64_t size = 0,
                                 uint32_t attributes = 0) {
    auto e = std::make_unique<FileEntry>();
    *e = FileEntry{};
    e->setPath(path);
    e->kind = kind;
    e->size = size;
    e->attributes = attributes;
    e->created = kCreated;
    e->modified = kModified;
    e->accessed = kAccessed;
    return e;
}

CellContext context(ListView view, UiLanguage lang = EN) {
    CellContext c;
    c.view = view;
    c.language = lang;
    return c;
}

TEST(CellTexts, ParentEntry) {
    auto e = entry(L"C:\\work\\..", kKindParent, 0, kAttrDirectory);
    CellContext ctx = context(MULTI);
    ctx.parentTargetAttributes = kAttrReadOnly | kAttrHidden | kAttrDirectory;
    CellTexts c = cellTexts(*e, ctx);
    EXPECT_EQ(c.name, L"C:\\work\\..");
    EXPECT_EQ(c.extension, L"");
    EXPECT_EQ(c.size, L"< Folder >");
    EXPECT_EQ(c.modified, L"Parent Folder");
    EXPECT_EQ(c.attribute, L"R H - - D");  // from the folder it leads to

    ctx.view = THREE;
    ctx.language = JP;
    ctx.parentTargetAttributes = 0;
    c = cellTexts(*e, ctx);
    EXPECT_EQ(c.name, L"C:\\work\\..");
    EXPECT_EQ(c.modified, L"親フォルダ");
    EXPECT_EQ(c.created, L"");
    EXPECT_EQ(c.accessed, L"");
    EXPECT_EQ(c.attribute, L"- - - - D");
    EXPECT_EQ(classifyEntry(*e, false), EntryClass::Parent);
}

TEST(CellTexts, NormalModeRowsInBothViews) {
    struct Case {
        const wchar_t* path;
        int32_t kind;
        uint64_t size;
        uint32_t attributes;
        ListView view;
        const wchar_t* name;
        const wchar_t* extension;
        const wchar_t* sizeText;
        const wchar_t* attribute;
    };
    const Case cases[] = {
        // Folders: the whole name, folder marker, D letter.
        {L"C:\\work\\my.dir", kKindFolder, 0, kAttrDirectory, MULTI, L"my.dir", L"", L"< Folder >", L"- - - - D"},
        {L"C:\\work\\src", kKindFolder, 0, kAttrDirectory | kAttrHidden, THREE, L"src", L"", L"< Folder >", L"- H - - D"},
        // Files: stem and extension apart in the multi-column view only.
        {L"C:\\work\\report.txt", kKindFile, 1234567, kAttrArchive, MULTI, L"report", L".txt", L"1,234,567", L"- - - A -"},
        {L"C:\\work\\report.txt", kKindFile, 1234567, kAttrArchive, THREE, L"report.txt", L"", L"1,234,567", L"- - - A -"},
        {L"C:\\work\\a.tar.gz", kKindFile, 999, 0, MULTI, L"a.tar", L".gz", L"999", L"- - - - -"},
        {L"C:\\work\\Makefile", kKindFile, 0, kAttrReadOnly, MULTI, L"Makefile", L"", L"0", L"R - - - -"},
        // Dot-files: the name is the extension, nothing in the extension cell.
        {L"C:\\work\\.profile", kKindFile, 12, 0, MULTI, L".profile", L"", L"12", L"- - - - -"},
        {L"C:\\work\\.profile", kKindFile, 12, 0, THREE, L".profile", L"", L"12", L"- - - - -"},
        // Network folder.
        {L"\\\\srv\\share\\d\\a.txt", kKindFile, 1000, 0, MULTI, L"a", L".txt", L"1,000", L"- - - - -"},
        {L"C:\\x\\huge.bin", kKindFile, ~uint64_t{0}, 0, MULTI, L"huge", L".bin", L"9,223,372,036,854,775,807", L"- - - - -"},
    };
    for (const auto& c : cases) {
        auto e = entry(c.path, c.kind, c.size, c.attributes);
        CellTexts t = cellTexts(*e, context(c.view));
        SCOPED_TRACE(testing::Message() << "view " << int(c.view) << " path " << testing::PrintToString(std::wstring(c.path)));
        EXPECT_EQ(t.name, c.name);
        EXPECT_EQ(t.extension, c.extension);
        EXPECT_EQ(t.size, c.sizeText);
        EXPECT_EQ(t.attribute, c.attribute);
        EXPECT_EQ(t.modified, L"03/01/2024 (Fri) 09:05:07");
        if (c.view == THREE) {
            EXPECT_EQ(t.created, L"12/31/2023 (Sun) 23:59:58");
            EXPECT_EQ(t.accessed, L"02/29/2024 (Thu) 12:00:00");
        } else {
            EXPECT_EQ(t.created, L"");
            EXPECT_EQ(t.accessed, L"");
        }
    }
}

TEST(CellTexts, DatesFollowLanguageAndFormat) {
    auto e = entry(L"C:\\work\\a.txt", kKindFile, 1);
    CellContext ctx = context(THREE, EN);
    ctx.timestampFormat = 2;
    CellTexts t = cellTexts(*e, ctx);
    EXPECT_EQ(t.modified, L"2024/03/01(Fri) 09:05:07");
    ctx.language = JP;
    t = cellTexts(*e, ctx);
    EXPECT_EQ(t.created, L"2023/12/31 (日)  23:59:58");
    auto unread = entry(L"C:\\work\\locked.txt", kKindFile);
    unread->created = unread->modified = unread->accessed = LocalStamp{};
    t = cellTexts(*unread, ctx);
    EXPECT_EQ(t.accessed, L"0000/00/00 (？)  00:00:00");
}

TEST(CellTexts, SubfolderModeNamesAreRelative) {
    struct Case {
        const wchar_t* current;
        const wchar_t* path;
        int32_t kind;
        ListView view;
        const wchar_t* name;
        const wchar_t* extension;
    };
    const Case cases[] = {
        {L"C:\\work", L"C:\\work\\sub\\deep\\a.txt", 2, MULTI, L"sub\\deep\\a", L".txt"},
        {L"C:\\work\\", L"C:\\work\\sub\\deep\\a.txt", 2, MULTI, L"sub\\deep\\a", L".txt"},
        {L"C:\\work", L"C:\\work\\sub\\deep\\a.txt", 2, THREE, L"sub\\deep\\a.txt", L""},
        {L"C:\\work", L"C:\\work\\b.txt", 0, MULTI, L"b", L".txt"},
        {L"C:\\work", L"C:\\work\\sub\\.profile", 1, MULTI, L"sub\\.profile", L""},
        {L"C:\\work", L"C:\\work\\sub\\.profile", 1, THREE, L"sub\\.profile", L""},
        {L"C:\\work", L"C:\\work\\sub\\noext", 1, MULTI, L"sub\\noext", L""},
        {L"C:\\", L"C:\\x\\a.txt", 1, MULTI, L"x\\a", L".txt"},
        {L"c:\\WORK", L"C:\\work\\s\\a.txt", 1, MULTI, L"s\\a", L".txt"},  // letter case of the folder
        {L"\\\\srv\\share", L"\\\\srv\\share\\s\\a.txt", 1, MULTI, L"s\\a", L".txt"},
        {L"C:\\other", L"C:\\work\\a.txt", 0, MULTI, L"C:\\work\\a", L".txt"},  // not below: whole folder
        {L"C:\\wor", L"C:\\work\\a.txt", 0, MULTI, L"C:\\work\\a", L".txt"},   // a prefix, not a parent
    };
    for (const auto& c : cases) {
        auto e = entry(c.path, c.kind, 0, kAttrArchive);
        CellContext ctx = context(c.view);
        ctx.subfolderMode = true;
        ctx.currentFolder = c.current;
        CellTexts t = cellTexts(*e, ctx);
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.path)));
        EXPECT_EQ(t.name, c.name);
        EXPECT_EQ(t.extension, c.extension);
        // A file of size 0 one level down (kind 1) is still a file.
        EXPECT_EQ(t.size, L"0");
        EXPECT_EQ(t.attribute, L"- - - A -");
        EXPECT_EQ(classifyEntry(*e, true), EntryClass::File);
    }
}

TEST(HeaderLabels, BothViewsBothLanguages) {
    auto joined = [](std::span<const wchar_t* const> labels) {
        std::wstring s;
        for (const wchar_t* l : labels) s += std::wstring(l) + L"|";
        return s;
    };
    EXPECT_EQ(joined(headerLabels(MULTI, EN)), L"|Filename|Extension|Size|Last Modified|Attribute|");
    EXPECT_EQ(joined(headerLabels(MULTI, JP)), L"|ファイル名|拡張子|サイズ|更新日時|属性|");
    EXPECT_EQ(joined(headerLabels(THREE, EN)),
              L"|Filename|Size|Create Time|Last Modified|Access Time|Attribute|");
    EXPECT_EQ(joined(headerLabels(THREE, JP)), L"|ファイル名|サイズ|作成日時|更新日時|アクセス日時|属性|");
}

TEST(ToolTip, LabelsLineUpWithIdeographicSpacesInJapanese) {
    auto labels = toolTipLabels(THREE, JP);
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_STREQ(labels[0], L"\u3000\u3000\u3000サイズ : ");
    EXPECT_STREQ(labels[4], L"\u3000\u3000\u3000\u3000属性 : ");
    EXPECT_STREQ(toolTipLabels(MULTI, JP)[0], L"\u3000サイズ : ");
    EXPECT_STREQ(toolTipLabels(MULTI, JP)[2], L"\u3000\u3000属性 : ");
    // English labels pad with ordinary spaces to the same width.
    for (ListView v : {MULTI, THREE}) {
        for (const wchar_t* l : toolTipLabels(v, EN)) EXPECT_EQ(std::wcslen(l), 16u) << l;
    }
}

TEST(ToolTip, TextOfFolderAndFileInBothViews) {
    auto folder = entry(L"C:\\work\\my.dir", kKindFolder, 0, kAttrDirectory);
    EXPECT_EQ(toolTipText(cellTexts(*folder, context(MULTI)), MULTI, EN),
              L"my.dir\n\n"
              L"         Size : < Folder > Byte\n"
              L"Last Modified : 03/01/2024 (Fri) 09:05:07\n"
              L"    Attribute : - - - - D");

    auto file = entry(L"C:\\work\\report.txt", kKindFile, 1234567, kAttrArchive);
    EXPECT_EQ(toolTipText(cellTexts(*file, context(MULTI, JP)), MULTI, JP),
              L"report.txt\n\n"
              L"\u3000サイズ : 1,234,567 Byte\n"
              L"更新日時 : 2024/03/01 (金)  09:05:07\n"
              L"\u3000\u3000属性 : - - - A -");
    EXPECT_EQ(toolTipText(cellTexts(*file, context(THREE)), THREE, EN),
              L"report.txt\n\n"
              L"         Size : 1,234,567 Byte\n"
              L"  Create Time : 12/31/2023 (Sun) 23:59:58\n"
              L"Last Modified : 03/01/2024 (Fri) 09:05:07\n"
              L"  Access Time : 02/29/2024 (Thu) 12:00:00\n"
              L"    Attribute : - - - A -");
}

TEST(StatusLine, CompleteListingInBothLanguages) {
    StatusValues v;
    v.listingComplete = true;
    v.selectedFolders = 2;
    v.selectedFiles = 3;
    v.selectedFileBytes = 10000;
    v.totalFolders = 12;
    v.totalFiles = 345;
    v.totalFileBytes = (uint64_t{1} << 30) + 1;
    v.freeBytes = uint64_t{1} << 40;
    v.fontSize = v.confirmedFontSize = 13;

    auto en = statusLineTexts(v, EN);
    EXPECT_EQ(en[kStatusFontSize], L"");
    EXPECT_EQ(en[kStatusFreeSpace], L"FreeSpace: 1024.00 GB");
    EXPECT_EQ(en[kStatusSelectedFolders], L"SelectFolder: 2");
    EXPECT_EQ(en[kStatusSelectedFiles], L"SelectFile(Size): 3 ( 0.01 MB )");
    EXPECT_EQ(en[kStatusTotalFolders], L"TotalFolder: 12");
    EXPECT_EQ(en[kStatusTotalFiles], L"TotalFile(Size): 345 ( 1.00 GB )");
    EXPECT_EQ(en[kStatusContrast], L"");

    auto jp = statusLineTexts(v, JP);
    EXPECT_EQ(jp[kStatusFreeSpace], L"空き領域: 1024.00 GB");
    EXPECT_EQ(jp[kStatusSelectedFolders], L"選択フォルダ: 2");
    EXPECT_EQ(jp[kStatusSelectedFiles], L"選択ファイル(Size): 3 ( 0.01 MB )");
    EXPECT_EQ(jp[kStatusTotalFolders], L"総フォルダ: 12");
    EXPECT_EQ(jp[kStatusTotalFiles], L"総ファイル(Size): 345 ( 1.00 GB )");
}

TEST(StatusLine, NetworkFolderAndIncompleteListingShowZero) {
    StatusValues v;
    v.listingComplete = true;
    v.totalFiles = 4;
    v.totalFileBytes = 500;
    EXPECT_EQ(statusLineTexts(v, EN)[kStatusFreeSpace], L"FreeSpace: 0 Byte");  // no drive letter

    v.listingComplete = false;
    v.freeBytes = 123456789;
    v.selectedFolders = 1;
    auto t = statusLineTexts(v, EN);
    EXPECT_EQ(t[kStatusFreeSpace], L"FreeSpace: 0 Byte");
    EXPECT_EQ(t[kStatusSelectedFolders], L"SelectFolder: 0");
    EXPECT_EQ(t[kStatusTotalFiles], L"TotalFile(Size): 0 ( 0 Byte )");
}

TEST(StatusLine, IndicatorsShowOnlyWhileUnconfirmed) {
    StatusValues v;
    v.fontSize = 14;
    v.confirmedFontSize = 13;
    v.contrast = -6;
    v.confirmedContrast = 0;
    for (UiLanguage lang : {EN, JP}) {
        auto t = statusLineTexts(v, lang);
        EXPECT_EQ(t[kStatusFontSize], L"14");
        EXPECT_EQ(t[kStatusContrast], L"Contrast: -6");
    }
    v.confirmedFontSize = 14;
    v.confirmedContrast = -6;
    auto t = statusLineTexts(v, EN);
    EXPECT_EQ(t[kStatusFontSize], L"");
    EXPECT_EQ(t[kStatusContrast], L"");
    EXPECT_FALSE(indicatorShown(5, 5));
    EXPECT_TRUE(indicatorShown(0, 60));
}

}  // namespace
}  // namespace tarvelo::filelist
