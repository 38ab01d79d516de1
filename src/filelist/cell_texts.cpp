#include "filelist/cell_texts.h"

#include "common/path_split.h"

namespace tarvelo::filelist {

namespace {

wchar_t asciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }

bool startsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text[i]) != asciiLower(prefix[i])) return false;
    }
    return true;
}

// The entry's folder relative to the listed folder; the whole folder when it
// does not lie below it.
std::wstring relativeFolder(const common::PathParts& parts, std::wstring_view currentFolder) {
    std::wstring folder = parts.drive + parts.directory;
    std::wstring base(currentFolder);
    if (base.empty()) return folder;
    if (base.back() != L'\\') base.push_back(L'\\');
    if (startsWithIgnoringCase(folder, base)) folder.erase(0, base.size());
    return folder;
}

constexpr const wchar_t* kHeaderMultiEn[] = {L"", L"Filename", L"Extension", L"Size",
                                             L"Last Modified", L"Attribute"};
constexpr const wchar_t* kHeaderMultiJa[] = {L"", L"ファイル名", L"拡張子", L"サイズ", L"更新日時",
                                             L"属性"};
constexpr const wchar_t* kHeaderThreeEn[] = {L"",           L"Filename",      L"Size",
                                             L"Create Time", L"Last Modified", L"Access Time",
                                             L"Attribute"};
constexpr const wchar_t* kHeaderThreeJa[] = {L"",         L"ファイル名", L"サイズ", L"作成日時",
                                             L"更新日時", L"アクセス日時", L"属性"};

constexpr const wchar_t* kTipMultiEn[] = {L"         Size : ", L"Last Modified : ",
                                          L"    Attribute : "};
constexpr const wchar_t* kTipMultiJa[] = {L"　サイズ : ", L"更新日時 : ", L"　　属性 : "};
constexpr const wchar_t* kTipThreeEn[] = {L"         Size : ", L"  Create Time : ",
                                          L"Last Modified : ", L"  Access Time : ",
                                          L"    Attribute : "};
constexpr const wchar_t* kTipThreeJa[] = {L"　　　サイズ : ", L"　　作成日時 : ", L"　　更新日時 : ",
                                          L"アクセス日時 : ", L"　　　　属性 : "};

}  // namespace

EntryClass classifyEntry(const FileEntry& entry, bool subfolderMode) {
    if (subfolderMode) return EntryClass::File;
    if (entry.kind == kKindParent || common::fileName(entry.path()) == L"..") {
        return EntryClass::Parent;
    }
    return entry.kind == kKindFolder ? EntryClass::Folder : EntryClass::File;
}

CellTexts cellTexts(const FileEntry& entry, const CellContext& ctx) {
    const std::wstring_view path = entry.path();
    const common::PathParts parts = common::splitPath(path);
    const bool multi = ctx.view == ListView::MultiColumn;
    const EntryClass cls = classifyEntry(entry, ctx.subfolderMode);

    CellTexts cells;
    if (cls == EntryClass::Parent) {
        cells.name.assign(path);
        cells.size = kFolderSizeText;
        cells.modified = pick(ctx.language, L"Parent Folder", L"親フォルダ");
        cells.attribute = attributeText(ctx.parentTargetAttributes, true);
        return cells;
    }

    auto dates = [&] {
        cells.modified = dateText(entry.modified, ctx.view, ctx.language, ctx.timestampFormat);
        if (!multi) {
            cells.created = dateText(entry.created, ctx.view, ctx.language, ctx.timestampFormat);
            cells.accessed = dateText(entry.accessed, ctx.view, ctx.language, ctx.timestampFormat);
        }
    };

    if (cls == EntryClass::Folder) {
        cells.name = parts.stem + parts.extension;
        cells.size = kFolderSizeText;
        dates();
        cells.attribute = attributeText(entry.attributes, true);
        return cells;
    }

    if (ctx.subfolderMode) {
        const std::wstring rel = relativeFolder(parts, ctx.currentFolder);
        if (multi) {
            cells.name = rel + (parts.stem.empty() ? parts.extension : parts.stem);
            if (!parts.stem.empty()) cells.extension = parts.extension;
        } else {
            cells.name = rel + parts.stem + parts.extension;
        }
    } else if (parts.stem.empty()) {
        cells.name = parts.extension;
    } else if (multi) {
        cells.name = parts.stem;
        cells.extension = parts.extension;
    } else {
        cells.name = parts.stem + parts.extension;
    }
    // Sizes past the signed range would print negative; clamp instead.
    cells.size = groupDigits(entry.size > uint64_t(INT64_MAX) ? INT64_MAX
                                                              : static_cast<int64_t>(entry.size));
    dates();
    cells.attribute = attributeText(entry.attributes, false);
    return cells;
}

std::span<const wchar_t* const> headerLabels(ListView view, UiLanguage language) {
    const bool ja = language == UiLanguage::Japanese;
    if (view == ListView::MultiColumn) return ja ? std::span(kHeaderMultiJa) : std::span(kHeaderMultiEn);
    return ja ? std::span(kHeaderThreeJa) : std::span(kHeaderThreeEn);
}

std::span<const wchar_t* const> toolTipLabels(ListView view, UiLanguage language) {
    const bool ja = language == UiLanguage::Japanese;
    if (view == ListView::MultiColumn) return ja ? std::span(kTipMultiJa) : std::span(kTipMultiEn);
    return ja ? std::span(kTipThreeJa) : std::span(kTipThreeEn);
}

std::wstring toolTipText(const CellTexts& c, ListView view, UiLanguage language) {
    const auto labels = toolTipLabels(view, language);
    std::wstring text;
    if (view == ListView::MultiColumn) {
        text = c.name + c.extension + L"\n\n";
        text += labels[0] + c.size + L" Byte\n";
        text += labels[1] + c.modified + L"\n";
        text += labels[2] + c.attribute;
    } else {
        text = c.name + L"\n\n";
        text += labels[0] + c.size + L" Byte\n";
        text += labels[1] + c.created + L"\n";
        text += labels[2] + c.modified + L"\n";
        text += labels[3] + c.accessed + L"\n";
        text += labels[4] + c.attribute;
    }
    return text;
}

std::wstring_view statusValueOnly(std::wstring_view text) {
    const size_t colon = text.find(L": ");
    return colon == std::wstring_view::npos ? text : text.substr(colon + 2);
}

std::array<std::wstring, kStatusCellCount> statusLineTexts(const StatusValues& v,
                                                           UiLanguage language) {
    StatusValues shown = v;
    if (!v.listingComplete) {
        shown.selectedFolders = shown.selectedFiles = shown.totalFolders = shown.totalFiles = 0;
        shown.selectedFileBytes = shown.totalFileBytes = 0;
        shown.freeBytes.reset();
    }
    const uint64_t freeBytes = shown.freeBytes.value_or(0);

    std::array<std::wstring, kStatusCellCount> cells;
    if (indicatorShown(v.fontSize, v.confirmedFontSize)) cells[kStatusFontSize] = std::to_wstring(v.fontSize);
    cells[kStatusFreeSpace] = pick(language, L"FreeSpace: ", L"空き領域: ") + byteSizeText(freeBytes);
    cells[kStatusSelectedFolders] = pick(language, L"SelectFolder: ", L"選択フォルダ: ") +
                                    std::to_wstring(shown.selectedFolders);
    cells[kStatusSelectedFiles] = pick(language, L"SelectFile(Size): ", L"選択ファイル(Size): ") +
                                  std::to_wstring(shown.selectedFiles) + L" ( " +
                                  byteSizeText(shown.selectedFileBytes) + L" )";
    cells[kStatusTotalFolders] =
        pick(language, L"TotalFolder: ", L"総フォルダ: ") + std::to_wstring(shown.totalFolders);
    cells[kStatusTotalFiles] = pick(language, L"TotalFile(Size): ", L"総ファイル(Size): ") +
                               std::to_wstring(shown.totalFiles) + L" ( " +
                               byteSizeText(shown.totalFileBytes) + L" )";
    if (indicatorShown(v.contrast, v.confirmedContrast)) {
        cells[kStatusContrast] = L"Contrast: " + std::to_wstring(v.contrast);
    }
    return cells;
}

}  // namespace tarvelo::filelist
