#pragma once
// The Append, Serial Number and Between rename dialogs. Every text field
// refuses the nine characters while the user types and comes back as "***"
// when empty; every dialog shows the preview its caller computes (the
// first names old -> new and how many new names are taken).
#include <windows.h>

#include <functional>
#include <string>

#include "fileops/text_history.h"
#include "shell/ui_language.h"

namespace tarvelo::fileops::win {

struct AppendDialogState {
    int part = 0;      // 0 file name, 1 extension
    int position = 0;  // 0 head, 1 last
    std::wstring text;  // in: the last text; out: the text ("***" when empty)
    TextHistory history;
    UiLanguage language = UiLanguage::English;
    std::function<std::wstring(int part, int position, const std::wstring& text)> preview;
};
// IDOK or IDCANCEL. After OK the history holds the text.
int runAppendDialog(HWND owner, AppendDialogState& state);

struct SerialDialogState {
    std::wstring prefix;  // in and out, "***" when empty
    std::wstring number;
    std::wstring suffix;
    UiLanguage language = UiLanguage::English;
    std::function<std::wstring(const std::wstring& prefix, const std::wstring& number, const std::wstring& suffix)>
        preview;
};
int runSerialDialog(HWND owner, SerialDialogState& state);

struct BetweenDialogState {
    std::wstring start;  // in and out, "***" when empty
    std::wstring end;
    std::wstring replacement;
    int index = 0;  // 0 every match, n the n-th
    std::wstring firstName;  // the first item's name, shown before and after
    UiLanguage language = UiLanguage::English;
    std::function<std::wstring(const std::wstring& start, const std::wstring& end, const std::wstring& replacement,
                               int index)>
        preview;
};
int runBetweenDialog(HWND owner, BetweenDialogState& state);

}  // namespace tarvelo::fileops::win
