#pragma once
// Setting of Associated Execution: the 30 association rows read from the
// ExtAppData data file, edited in a list, written back on OK.
#include <windows.h>

#include <string>

#include "shell/section_file_store.h"
#include "shell/ui_language.h"

namespace tarvelo::launch::win {

struct ExtAppEditorState {
    UiLanguage language = UiLanguage::English;
    std::wstring initialFolder;  // where Refer... starts
};

// True when OK wrote the 30 rows; Cancel (or closing) writes nothing.
bool runExtAppEditor(HWND owner, HINSTANCE instance, shell::SectionFileStore& store, const ExtAppEditorState& state);

}  // namespace tarvelo::launch::win
