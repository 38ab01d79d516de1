#pragma once
// The texts of Compress and Expand in both interface languages.
#include "shell/ui_language.h"

namespace tarvelo::archive {

struct ArchiveTexts {
    const wchar_t* compressTitle;
    const wchar_t* compressMessage;   // "%s": the destination folder
    const wchar_t* compressFailures;  // "%d" count, "%s" list
    const wchar_t* expandTitle;
    const wchar_t* expandMessage;     // "%s": the destination folder
    const wchar_t* expandFailures;    // "%d" count, "%s" list
    const wchar_t* individualName;    // the name field in the individual mode
    const wchar_t* levels[6];
    // An archive whose member would climb out of the destination.
    const wchar_t* unsafeMember;      // "%s": the member name
    // A file the expansion would overwrite.
    const wchar_t* wouldOverwrite;    // "%s": the existing file
    // A name the 8-bit code page of the archiver cannot carry.
    const wchar_t* unrepresentable;
};

const ArchiveTexts& archiveTexts(UiLanguage lang);

// Shown while typing an archive name; English in both languages.
inline constexpr const wchar_t* kArchiveNameAttention = L"Attention";
inline constexpr const wchar_t* kArchiveNameInvalid = L" / * ? \" > < | \n\nThese characters cannot be used.";

}  // namespace tarvelo::archive
