#pragma once
// The name dialog (make folder/file, rename) and the replace-rename dialog.
// Both refuse the nine characters while the user types and return "***" for
// an empty field.
#include <windows.h>

#include <functional>
#include <string>

#include "fileops/text_history.h"
#include "shell/ui_language.h"

namespace tarvelo::fileops::win {

struct NameDialogState {
    std::wstring caption;
    std::wstring name;  // in and out
    bool skipEnabled = false;
    bool checkNames = true;
    UiLanguage language = UiLanguage::English;
};

// IDOK, IDC_RN_SKIP or IDCANCEL (also for closing).
int runNameDialog(HWND owner, NameDialogState& state);

// The typed text's check: tabs dropped; with the nine characters the
// "Attention" message, the characters removed and the text selected.
void checkTypedName(HWND dialog, HWND field, UiLanguage language);

struct ReplaceDialogState {
    std::wstring search;       // in: last values; out: the texts ("***" when empty)
    std::wstring replacement;
    TextHistory searchHistory;
    TextHistory replacementHistory;
    UiLanguage language = UiLanguage::English;
    // old -> new lines and the collision count for the current texts.
    std::function<std::wstring(const std::wstring& search, const std::wstring& replacement)> preview;
};

// IDOK or IDCANCEL. After OK the histories hold the new texts.
int runReplaceDialog(HWND owner, ReplaceDialogState& state);

}  // namespace tarvelo::fileops::win
