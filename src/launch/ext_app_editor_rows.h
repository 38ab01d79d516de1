#pragma once
// The 30 rows the association editor shows and edits: read from the stored
// values, changed by Regist, moves and removal, written back on OK. Row
// numbers stay 1..30; only the contents move.
#include <array>
#include <string>
#include <string_view>

#include "launch/ext_app_entry.h"
#include "launch/ext_app_table.h"
#include "shell/ui_language.h"

namespace tarvelo::launch {

class ExtAppEditorRows {
public:
    // Each stored value with its line breaks removed, split at the first
    // "="; a value without one (or not usable) is an empty row.
    void load(const std::array<std::wstring, kExtAppRows>& values);

    const ExtAppEntry& row(int index) const;
    bool isEmpty(int index) const;
    // "01" ... "30".
    static std::wstring number(int index);

    // The edits' texts into the row: the program is kept only with a
    // non-empty extension list. "=" cannot be part of an extension list (it
    // would split the stored entry elsewhere) and becomes a blank; both texts
    // are trimmed. False for a row outside 0..29.
    bool regist(int index, std::wstring_view extensions, std::wstring_view program);
    // Swap contents with the row above / below; false at the edges.
    bool moveUp(int index);
    bool moveDown(int index);
    bool clear(int index);

    // The 30 values in the written form.
    std::array<std::wstring, kExtAppRows> written() const;

private:
    std::array<ExtAppEntry, kExtAppRows> rows_{};
};

// "Regist %02d" / "%02d に登録" for the selected row.
std::wstring registButtonText(UiLanguage language, int index);
// "Delete the listing for [ No.%02d ]. Are you sure?" and its Japanese row.
std::wstring removeRowQuestion(UiLanguage language, int index);

}  // namespace tarvelo::launch
