#include "filelist/accessible_texts.h"

#include "filelist/display_format.h"

namespace tarvelo::filelist {

std::wstring accessibleRowName(const FileEntry& entry, const CellContext& context) {
    CellContext whole = context;
    whole.view = ListView::ThreeTimes;  // name cell = stem + extension
    const CellTexts cells = cellTexts(entry, whole);
    const UiLanguage l = context.language;
    std::wstring text = cells.name;
    switch (classifyEntry(entry, context.subfolderMode)) {
    case EntryClass::Parent:
        text = L"..";  // the cell holds the whole path
        text += L", ";
        text += pick(l, L"Parent Folder", L"親フォルダ");
        return text;
    case EntryClass::Folder:
        text += L", ";
        text += pick(l, L"Folder", L"フォルダ");
        break;
    case EntryClass::File:
        text += L", ";
        text += pick(l, L"File", L"ファイル");
        text += L", ";
        text += groupDigits(static_cast<int64_t>(entry.size));
        text += entry.size == 1 ? pick(l, L" byte", L" バイト") : pick(l, L" bytes", L" バイト");
        break;
    }
    struct Flag {
        uint32_t bit;
        const wchar_t* en;
        const wchar_t* ja;
    };
    static constexpr Flag kFlags[] = {{kAttrReadOnly, L"read-only", L"読み取り専用"},
                                      {kAttrHidden, L"hidden", L"隠しファイル"},
                                      {kAttrSystem, L"system", L"システム"}};
    for (const Flag& f : kFlags) {
        if (entry.attributes & f.bit) {
            text += L", ";
            text += pick(l, f.en, f.ja);
        }
    }
    return text;
}

std::wstring accessibleListName(std::wstring_view currentFolder, UiLanguage language) {
    std::wstring text = pick(language, L"Files in ", L"ファイル一覧 ");
    text += currentFolder;
    return text;
}

}  // namespace tarvelo::filelist
