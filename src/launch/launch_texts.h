#pragma once
// The launching commands' own texts, English and Japanese.
#include "shell/ui_language.h"

namespace tarvelo::launch {

struct LaunchTexts {
    const wchar_t* commandCaption;
    const wchar_t* newProcessCaption;
    const wchar_t* newProcessFailed;
    const wchar_t* editorCaption;
    const wchar_t* numberColumn;
    const wchar_t* extensionsColumn;
    const wchar_t* programColumn;
    const wchar_t* regist;
    const wchar_t* moveUp;
    const wchar_t* moveDown;
    const wchar_t* remove;
    const wchar_t* referTitle;
    const wchar_t* referFilter;  // pairs separated by '\0', ends with two
};

const LaunchTexts& launchTexts(UiLanguage language);

}  // namespace tarvelo::launch
