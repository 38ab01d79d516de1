#include "filelist/win/filter_commands.h"

#include "filelist/string_terms.h"
#include "filelist/win/string_dialog.h"
#include "resource_ids.h"

namespace tarvelo::filelist::win {

namespace {

// The pause after a search-select, so that the closing dialog and the new
// marks do not blur into one.
constexpr DWORD kAfterSearchPauseMs = 250;

std::wstring initialText(const std::vector<std::wstring>& terms, const std::wstring& text) {
    return text.empty() ? std::wstring() : joinTerms(terms);
}

void searchAndSelect(FilterHost& host) {
    if (!host.idle() || !host.listing().isComplete()) return;
    host.runModal([&] {
        StringFeatures& s = host.strings();
        const StringDialogResult r =
            runStringDialog(host.mainWindow(), host.language(), static_cast<int>(StringDialogKind::Search),
                            initialText(s.searchTerms(), s.searchText()), host.dataFiles());
        if (!r.ok) return;
        host.tellIfDataFileReadOnly();
        s.acceptSearch(r.text);
        // An empty text leaves the selection as it is.
        if (!s.searchTerms().empty()) selectByTerms(host.listing(), s.searchTerms());
        Sleep(kAfterSearchPauseMs);
    });
}

void deemphasize(FilterHost& host) {
    if (!host.idle()) return;
    host.strings().toggleHighlight();
    host.repaintListAndBars();
}

void filterByStrings(FilterHost& host) {
    if (!host.idle() || !host.listing().isComplete()) return;
    host.runModal([&] {
        StringFeatures& s = host.strings();
        const StringDialogResult r =
            runStringDialog(host.mainWindow(), host.language(), static_cast<int>(StringDialogKind::Filtering),
                            initialText(s.filteringTerms(), s.filteringText()), host.dataFiles());
        if (!r.ok) return;
        host.tellIfDataFileReadOnly();
        s.acceptFiltering(r.text);
        host.reloadKeepingPosition();
    });
}

}  // namespace

void toggleFiltering(FilterHost& host) {
    // The switch shows what the list shows: no flip while a load could
    // refuse the reload that applies it.
    if (!host.idle() || !host.listing().isComplete()) return;
    const bool reload = host.strings().toggleFiltering();
    if (reload) host.sendReload();
    host.repaintListAndBars();
}

void registerFilterCommands(shell::CommandTable& table, FilterHost& host) {
    table.add(IDM_SEARCH_SELECT, [&host](int) { searchAndSelect(host); });
    table.add(IDM_DEEMPHASIZE, [&host](int) { deemphasize(host); });
    table.add(IDM_FILTERING, [&host](int) { filterByStrings(host); });
}

}  // namespace tarvelo::filelist::win
