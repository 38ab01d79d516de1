#include "filelist/drop_files_block.h"

#include "common/utf16le.h"
#include "filelist/view_restore.h"

namespace tarvelo::filelist {

namespace {

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

void putU16(std::vector<uint8_t>& out, uint32_t unit) {
    out.push_back(static_cast<uint8_t>(unit & 0xFF));
    out.push_back(static_cast<uint8_t>((unit >> 8) & 0xFF));
}

}  // namespace

std::vector<std::wstring> draggedPaths(EntrySequence& seq, const ListCursor& c) {
    std::vector<std::wstring> paths;
    const int count = seq.count();
    for (int i = 0; i < count; ++i) {
        const FileEntry& e = seq.entryAt(i);
        if (e.selected && e.kind >= 0) paths.emplace_back(e.path());
    }
    if (!paths.empty() || !hasCursorEntry(c, count)) return paths;

    const FileEntry& cursor = seq.entryAt(c.cursorIndex());
    if (cursor.kind < 0)
        paths.push_back(removeParentSteps(cursor.path()));
    else
        paths.emplace_back(cursor.path());
    return paths;
}

std::vector<uint8_t> buildDropFilesBlock(const std::vector<std::wstring>& paths) {
    std::vector<uint8_t> out;
    out.reserve(kDropFilesHeaderSize + 2);
    putU32(out, static_cast<uint32_t>(kDropFilesHeaderSize));  // offset of the file list
    putU32(out, 0);                                            // drop point x
    putU32(out, 0);                                            // drop point y
    putU32(out, 0);                                            // not-client-area flag
    putU32(out, 1);                                            // wide characters

    bool any = false;
    for (const std::wstring& path : paths) {
        std::wstring_view p(path);
        p = p.substr(0, p.find(L'\0'));
        if (p.empty()) continue;
        common::appendUtf16le(out, common::toUtf16(p));
        putU16(out, 0);
        any = true;
    }
    if (!any) return {};
    putU16(out, 0);  // the final empty string ends the list
    return out;
}

}  // namespace tarvelo::filelist
