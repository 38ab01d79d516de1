#pragma once
// The list's key tables as data: a key (virtual-key code, key-down or
// key-up, modifiers) maps to an action, usually posting a command id, plus
// the guards the window checks before acting. Commands are never run here.
#include <cstdint>
#include <span>

namespace tarvelo::filelist {

// The few virtual-key codes the tables use (letters and digits are their
// ASCII upper-case codes, 'A' = 0x41, '0' = 0x30).
inline constexpr int kVkBack = 0x08;
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkPrior = 0x21;  // Page Up
inline constexpr int kVkNext = 0x22;   // Page Down
inline constexpr int kVkEnd = 0x23;
inline constexpr int kVkHome = 0x24;
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkNumpad0 = 0x60;  // .. 0x69 numpad 9
inline constexpr int kVkF1 = 0x70;       // .. 0x7B F12
inline constexpr int kVkF2 = 0x71;
inline constexpr int kVkF3 = 0x72;
inline constexpr int kVkF4 = 0x73;
inline constexpr int kVkF5 = 0x74;
inline constexpr int kVkF6 = 0x75;
inline constexpr int kVkF7 = 0x76;
inline constexpr int kVkF8 = 0x77;
inline constexpr int kVkF9 = 0x78;
inline constexpr int kVkF10 = 0x79;
inline constexpr int kVkF11 = 0x7A;
inline constexpr int kVkF12 = 0x7B;

enum class KeyPhase : uint8_t { Down, Up };

struct KeyModifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Which modifier states a row accepts. Plain = none held; Ctrl, Shift, Alt =
// that one alone; ShiftHeld = Shift with or without others; Any = whatever.
enum class ModMatch : uint8_t { Any, Plain, Ctrl, Shift, Alt, ShiftHeld };

enum class KeyAction : uint8_t {
    NotHandled,       // default dialog processing
    Consume,          // handled, nothing happens
    PostCommand,      // post `command` to the main window
    OpenEntry,        // Enter: open the cursor entry
    Escape,           // ask to stop a running operation when busy, else post `command` (Exit)
    MoveDown,         // cursor moves; `toggles` = Shift selection rule
    MoveUp,
    PageDown,
    PageUp,
    HalfPageDown,     // Right
    HalfPageUp,       // Left
    Home,
    End,
    ToggleAndDown,    // Space
    SortNext,         // Tab
    SortPrev,         // Shift+Tab
    SortFlip,         // Ctrl+Tab
    ArmBand,          // digit key-down: the next left press starts a band
    DigitDrive,       // post `command` (34100 + `argument`), drive `argument`
    ShortcutFolder,   // post `command` (34100)
    StoreShortcut,    // Ctrl+0: store the current folder as the shortcut folder
    NextTheme,        // post themeCommand(theme, false)
    PrevTheme,        // post themeCommand(theme, true)
    SidebarPopup,     // S: pop-up menu of the side bar's folders
    DrivePopup,       // Ctrl+S: pop-up menu of the drives
    ToggleFiltering,  // F2
};

// Guards, as bits; the window checks them before acting (checkGuards).
enum KeyGuard : uint8_t {
    kGuardNone = 0,
    kGuardIdle = 1,          // uiBusy clear and the listing thread idle
    kGuardComplete = 2,      // the listing is complete
    kGuardListingIdle = 4,   // the listing thread idle
    kGuardNotMidLoad = 8,    // no load half done (filled count equals enumerated count)
    kGuardNotOnButton = 16,  // the focus is not on the OK or Cancel button
};

struct KeyBinding {
    KeyAction action = KeyAction::NotHandled;
    int command = 0;
    int argument = 0;
    uint8_t guards = kGuardNone;
    bool toggles = false;  // movement with Shift: toggle while moving
};

struct KeyRow {
    int vk;
    KeyPhase phase;
    ModMatch mods;
    KeyBinding binding;
};

// Every row, in lookup order.
std::span<const KeyRow> keyTable();

// The first row for (vk, phase) whose modifier match accepts `mods`. A key
// that has rows but none for this modifier combination is consumed; a key
// without rows is not handled.
KeyBinding lookupKey(int vk, KeyPhase phase, KeyModifiers mods);

struct KeyContext {
    bool uiBusy = false;
    bool listingThreadRunning = false;
    bool complete = false;
    bool midLoad = false;
    bool focusOnButton = false;
};

enum class GuardVerdict {
    Run,     // act on the binding
    Drop,    // the key is consumed without effect
    PassOn,  // leave the key to the default processing (focus on a button)
};
GuardVerdict checkGuards(uint8_t guards, const KeyContext& ctx);

// The command that selects the next (or, with `previous`, the previous)
// colour theme, cycling 0..7: 32901 + theme.
int themeCommand(int currentTheme, bool previous);

}  // namespace tarvelo::filelist
