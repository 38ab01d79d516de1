#pragma once
// The keyboard help: one line per key and what it does, made from the same
// key table the list's key handling looks keys up in, so the help cannot
// drift from the behaviour. Keys that do the same thing share a line
// ("Ctrl+D / D").
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "filelist/key_table.h"
#include "shell/ui_language.h"

namespace tarvelo::filelist {

struct KeyHelpLine {
    std::wstring keys;  // "Ctrl+Enter", "Shift+F7", "1 / Num 1"
    std::wstring what;  // the command's plain name or the action's description
};

// The plain name of a command id (its string-table row); empty when none.
using CommandNameLookup = std::function<std::wstring(int command)>;

// The key's name as the help shows it ("Enter", "Page Down", "Num 3", "F5", "A").
std::wstring keyName(int vk);

// Every row that does something, in table order, rows with the same meaning
// merged into the first one's line. Rows that only swallow a key, or leave
// it to the dialog, are left out.
std::vector<KeyHelpLine> keyHelpLines(std::span<const KeyRow> rows, const CommandNameLookup& commandName,
                                      UiLanguage language);

// Adds a key bound elsewhere (the accelerator table) to the line with the
// same meaning, or as a new line at the end.
void mergeKeyHelpLine(std::vector<KeyHelpLine>& lines, const KeyHelpLine& extra);

// The help as plain text, one "keys<TAB>what" line each (for copying).
std::wstring keyHelpText(const std::vector<KeyHelpLine>& lines);

}  // namespace tarvelo::filelist
