#pragma once
// The Timestamp dialog: a date and a time picker for each of the three
// times, the kinds and the six fields to change, and the two keep modes.
#include <windows.h>

#include "fileops/timestamp_rules.h"
#include "shell/ui_language.h"

namespace tarvelo::fileops::win {

struct TimestampDialogState {
    bool keepDate = false;  // in from the settings, out to them (also after Cancel)
    bool keepTime = false;
    ItemTimes start;        // what the pickers show first
    UiLanguage language = UiLanguage::English;
    TimestampRequest request;  // out, after OK
};

// IDOK or IDCANCEL.
int runTimestampDialog(HWND owner, TimestampDialogState& state);

}  // namespace tarvelo::fileops::win
