#pragma once
// The view and setting commands that flip one setting: which setting each
// id flips, whether the command guard applies and what must follow on
// screen. The Win32 side (win/view_commands_win.cpp) carries out the effect;
// the value itself lives in AppSettings and is stored at exit.
#include <span>

#include "shell/app_settings.h"

namespace tarvelo::shell {

enum class ViewEffect {
    None,         // only the value changes (read later by its user)
    TopMost,      // into or out of the top-most band
    Translucent,  // layered style with AlphaBlendLevel, or none
    RepaintList,  // the list is drawn again
    Relayout,     // the window is laid out again
};

struct ViewToggle {
    int id;
    const wchar_t* key;  // Settings key the value is stored under
    int AppSettings::*field;
    bool guarded;  // dropped while uiBusy or the listing thread is set
    ViewEffect effect;
};

std::span<const ViewToggle> viewToggles();
// The row of a command id; nullptr when the id is no toggle.
const ViewToggle* findViewToggle(int id);
// Booleans are flipped by exclusive-or with 1: a stored 5 becomes 4, as the
// settings have always behaved.
inline void applyToggle(AppSettings& s, const ViewToggle& t) { s.*t.field ^= 1; }

// Theme command 32901..32908 to ThemaColor 0..7; -1 for other ids.
int themeForCommand(int id);

}  // namespace tarvelo::shell
