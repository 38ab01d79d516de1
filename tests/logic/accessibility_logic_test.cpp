// What screen readers are told: the row names and the events after a repaint.
#include <gtest/gtest.h>

#include "filelist/accessible_texts.h"
#include "filelist/list_access_events.h"

namespace tarvelo::filelist {
namespace {

std::string narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

TEST(AccessibleTexts, RowNames) {
    struct Case {
        const wchar_t* path;
        int32_t kind;
        uint32_t attributes;
        uint64_t size;
        UiLanguage language;
        bool subfolderMode;
        const wchar_t* expected;
    };
    const auto E = UiLanguage::English;
    const auto J = UiLanguage::Japanese;
    const Case cases[] = {
        {L"C:\\work\\report.txt", kKindFile, 0x20, 1234567, E, false, L"report.txt, File, 1,234,567 bytes"},
        {L"C:\\work\\one", kKindFile, 0x20, 1, E, false, L"one, File, 1 byte"},
        {L"C:\\work\\.profile", kKindFile, 0x20, 0, E, false, L".profile, File, 0 bytes"},
        {L"C:\\work\\docs", kKindFolder, 0x10, 0, E, false, L"docs, Folder"},
        {L"C:\\work\\..", kKindParent, 0x10, 0, E, false, L".., Parent Folder"},
        {L"C:\\work\\boot.sys", kKindFile, 0x27, 5, E, false, L"boot.sys, File, 5 bytes, read-only, hidden, system"},
        {L"C:\\work\\報告.txt", kKindFile, 0x20, 2048, J, false, L"報告.txt, ファイル, 2,048 バイト"},
        {L"C:\\work\\写真", kKindFolder, 0x10, 0, J, false, L"写真, フォルダ"},
        // Subfolder mode: every entry is a file, named below the listed folder.
        {L"C:\\work\\sub\\deep.log", 1, 0x20, 10, E, true, L"sub\\deep.log, File, 10 bytes"},
    };
    for (const Case& c : cases) {
        std::wstring path = c.path;
        FileEntry e{};
        e.setPath(path);
        e.kind = c.kind;
        e.attributes = c.attributes;
        e.size = c.size;
        CellContext context;
        context.language = c.language;
        context.subfolderMode = c.subfolderMode;
        context.currentFolder = L"C:\\work";
        EXPECT_EQ(accessibleRowName(e, context), c.expected) << narrow(c.path);
    }
    EXPECT_EQ(accessibleListName(L"C:\\work", UiLanguage::English), L"Files in C:\\work");
}

ListAccessSnapshot shot(int top, int rows, int cursor, std::vector<uint8_t> selected, bool focus = true) {
    ListAccessSnapshot s;
    s.folder = L"C:\\work";
    s.topIndex = top;
    s.rowCount = rows;
    s.cursorRow = cursor;
    s.selected = std::move(selected);
    s.hasFocus = focus;
    s.complete = true;
    return s;
}

TEST(ListAccessEvents, AfterARepaint) {
    using K = ListAccessEventKind;
    const ListAccessSnapshot base = shot(0, 4, 0, {0, 0, 0, 0});
    ListAccessSnapshot loading = base;
    loading.complete = false;
    ListAccessSnapshot otherFolder = base;
    otherFolder.folder = L"C:\\other";
    struct Case {
        const char* name;
        ListAccessSnapshot before;
        ListAccessSnapshot after;
        std::vector<ListAccessEvent> expected;
    };
    const Case cases[] = {
        {"first listing", ListAccessSnapshot{}, base, {{K::Reorder, 0}, {K::Focus, 1}}},
        {"nothing changed", base, base, {}},
        {"cursor down", base, shot(0, 4, 1, {0, 0, 0, 0}), {{K::Focus, 2}}},
        {"space: select and move on", base, shot(0, 4, 1, {1, 0, 0, 0}), {{K::SelectionAdd, 1}, {K::Focus, 2}}},
        {"unselect in place", shot(0, 4, 2, {0, 0, 1, 0}), shot(0, 4, 2, {0, 0, 0, 0}), {{K::SelectionRemove, 3}}},
        {"select all", base, shot(0, 4, 0, {1, 1, 1, 1}), {{K::SelectionWithin, 0}}},
        {"scrolled: other entries", base, shot(1, 4, 0, {0, 0, 0, 0}), {{K::Reorder, 0}, {K::Focus, 1}}},
        {"other folder", base, otherFolder, {{K::Reorder, 0}, {K::Focus, 1}}},
        {"while loading", base, loading, {}},
        {"loaded again", loading, base, {{K::Reorder, 0}, {K::Focus, 1}}},
        {"focus elsewhere", base, shot(0, 4, 1, {0, 0, 0, 0}, false), {}},
        {"focus comes back", shot(0, 4, 1, {0, 0, 0, 0}, false), shot(0, 4, 1, {0, 0, 0, 0}), {{K::Focus, 2}}},
        {"empty list", ListAccessSnapshot{}, shot(0, 0, -1, {}), {{K::Reorder, 0}}},
    };
    for (const Case& c : cases) EXPECT_EQ(listAccessEvents(c.before, c.after), c.expected) << c.name;
}

}  // namespace
}  // namespace tarvelo::filelist
