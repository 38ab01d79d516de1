#pragma once
// The string dialog of search-select and filtering: a combo box with the
// history of its data file (SearchData or FilteringData), "-" to forget the
// shown string, OK and Cancel. The history is written on OK only.
#include <windows.h>

#include <string>

#include "shell/section_file_store.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist::win {

enum class StringDialogKind { Search = 1, Filtering = 2 };

struct StringDialogResult {
    bool ok = false;
    std::wstring text;  // "***" when OK was pressed on an empty field
};

// Any kind other than the two closes at once as cancelled.
StringDialogResult runStringDialog(HWND owner, UiLanguage language, int kind, const std::wstring& initialText,
                                   shell::SectionFileStore& store);

// The caption of the kind's dialog.
const wchar_t* stringDialogCaption(StringDialogKind kind, UiLanguage language);

}  // namespace tarvelo::filelist::win
