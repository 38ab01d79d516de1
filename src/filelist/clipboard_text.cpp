#include "filelist/clipboard_text.h"

#include "common/path_split.h"

namespace tarvelo::filelist {

namespace {

template <typename Pick>
std::wstring collect(EntrySequence& seq, const ListCursor& c, Pick pick) {
    std::wstring text;
    const int count = seq.count();
    bool any = false;
    for (int i = 0; i < count; ++i) {
        const FileEntry& e = seq.entryAt(i);
        if (!e.selected) continue;
        text += pick(e);
        text += L"\r\n";
        any = true;
    }
    if (!any && hasCursorEntry(c, count)) text = pick(seq.entryAt(c.cursorIndex()));
    return text;
}

}  // namespace

std::wstring copyFilenameText(EntrySequence& seq, const ListCursor& c) {
    return collect(seq, c, [](const FileEntry& e) { return common::fileName(e.path()); });
}

std::wstring copyFullpathText(EntrySequence& seq, const ListCursor& c) {
    return collect(seq, c, [](const FileEntry& e) { return std::wstring(e.path()); });
}

}  // namespace tarvelo::filelist
