#pragma once
// CompressDialog (template 172) and ExpandDialog (173) in the program's
// light dialog look.
#include <windows.h>

#include <string>

#include "archive/archive_plan.h"
#include "shell/ui_language.h"

namespace tarvelo::archive::win {

struct CompressDialog {
    CompressMode mode = CompressMode::Individually;
    ArchiveType type = ArchiveType::Zip;
    int levelIndex = 3;
    std::wstring message;
    std::wstring proposedName;
    std::wstring archiveName;  // out: the field's text in the all-together mode
    UiLanguage language = UiLanguage::English;
};

// True on OK (the struct then holds the chosen values).
bool runCompressDialog(HWND owner, CompressDialog& dialog);

struct ExpandDialog {
    std::wstring message;
    bool intoFolder = true;
    UiLanguage language = UiLanguage::English;
};

bool runExpandDialog(HWND owner, ExpandDialog& dialog);

}  // namespace tarvelo::archive::win
