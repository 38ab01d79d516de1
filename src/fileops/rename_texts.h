#pragma once
// The messages of the rename, make-folder, batch-rename, timestamp,
// attribute and volume-label commands, one row per language.
#include "shell/ui_language.h"

namespace tarvelo::fileops {

struct NameTexts {
    const wchar_t* makeFolderCaption;
    const wchar_t* makeFolderName;
    const wchar_t* makeFileCaption;
    const wchar_t* makeFileName;
    const wchar_t* renameCaption;
    const wchar_t* targetExists;
    const wchar_t* renameFailed;
    const wchar_t* pair;  // "%s" source description, "%s" target description
    const wchar_t* invalidChars;
    const wchar_t* attention;
};
NameTexts nameTexts(UiLanguage lang);

enum class BatchKind { Replace, Append, Serial, Between, Lowercase, Uppercase };

struct BatchTexts {
    const wchar_t* caption;
    const wchar_t* failure;  // "%d", "%s"
    const wchar_t* question;  // case renames; empty otherwise
    const wchar_t* collisions;  // "%d": items the preview finds taken
};
BatchTexts batchTexts(BatchKind kind, UiLanguage lang);
const wchar_t* serialErrorText(UiLanguage lang);

// The Append dialog's two lists, in list order.
struct AppendChoiceTexts {
    const wchar_t* parts[2];      // file name, extension
    const wchar_t* positions[2];  // head, last
};
AppendChoiceTexts appendChoiceTexts(UiLanguage lang);

enum class TimesKind { Timestamp, Attribute, CreatedToModified, ModifiedToCreated, CreatedToAccessed, ModifiedToAccessed };

struct TimesTexts {
    const wchar_t* caption;
    const wchar_t* failure;   // "%d", "%s"
    const wchar_t* question;  // the four copies; empty otherwise
};
TimesTexts timesTexts(TimesKind kind, UiLanguage lang);

struct VolumeTexts {
    const wchar_t* caption;
    const wchar_t* changed;  // "%s" root, "%s" label
    const wchar_t* failed;
};
VolumeTexts volumeTexts(UiLanguage lang);

}  // namespace tarvelo::fileops
