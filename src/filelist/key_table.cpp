#include "filelist/key_table.h"

#include <vector>

#include "resource_ids.h"

namespace tarvelo::filelist {

namespace {

constexpr uint8_t kMoveGuards = kGuardListingIdle | kGuardComplete;
// Letter keys only post ids (the commands guard themselves); they are
// dropped while the listing thread runs.
constexpr uint8_t kLetterGuards = kGuardListingIdle;
constexpr uint8_t kEnterGuards = kGuardIdle | kGuardComplete | kGuardNotOnButton;

KeyBinding post(int command, uint8_t guards) {
    return KeyBinding{KeyAction::PostCommand, command, 0, guards, false};
}
KeyBinding act(KeyAction action, uint8_t guards = kGuardNone, bool toggles = false) {
    return KeyBinding{action, 0, 0, guards, toggles};
}

struct TableBuilder {
    std::vector<KeyRow> rows;

    void add(int vk, KeyPhase phase, ModMatch mods, KeyBinding b) {
        rows.push_back(KeyRow{vk, phase, mods, b});
    }
    void down(int vk, ModMatch mods, KeyBinding b) { add(vk, KeyPhase::Down, mods, b); }
    void up(int vk, ModMatch mods, KeyBinding b) { add(vk, KeyPhase::Up, mods, b); }
    void letter(char key, ModMatch mods, int command) {
        down(key, mods, post(command, kLetterGuards));
    }
    void movement(int vk, KeyAction action) {
        down(vk, ModMatch::ShiftHeld, act(action, kMoveGuards, true));
        down(vk, ModMatch::Any, act(action, kMoveGuards, false));
    }
};

std::vector<KeyRow> buildTable() {
    TableBuilder t;

    // Key-down.
    t.down(kVkReturn, ModMatch::Ctrl, post(IDM_OPEN, kEnterGuards));
    t.down(kVkReturn, ModMatch::Shift, post(IDM_EDIT_FILE, kEnterGuards));
    t.down(kVkReturn, ModMatch::Plain, act(KeyAction::OpenEntry, kEnterGuards));
    t.down(kVkReturn, ModMatch::Any, act(KeyAction::Consume, kGuardNotOnButton));
    t.down(kVkEscape, ModMatch::Any,
           KeyBinding{KeyAction::Escape, IDM_EXIT, 0, kGuardNotOnButton, false});
    t.down(kVkBack, ModMatch::Ctrl, post(IDM_SELECT_FOLDER, kGuardNone));
    t.down(kVkBack, ModMatch::Any, act(KeyAction::NotHandled));
    t.down(kVkTab, ModMatch::Plain, act(KeyAction::SortNext, kGuardComplete));
    t.down(kVkTab, ModMatch::Shift, act(KeyAction::SortPrev, kGuardComplete));
    t.down(kVkTab, ModMatch::Ctrl, act(KeyAction::SortFlip, kGuardComplete));
    t.down(kVkSpace, ModMatch::Any, act(KeyAction::ToggleAndDown, kMoveGuards));
    t.movement(kVkDown, KeyAction::MoveDown);
    t.movement(kVkUp, KeyAction::MoveUp);
    t.movement(kVkNext, KeyAction::PageDown);
    t.movement(kVkPrior, KeyAction::PageUp);
    t.movement(kVkRight, KeyAction::HalfPageDown);
    t.movement(kVkLeft, KeyAction::HalfPageUp);
    t.movement(kVkHome, KeyAction::Home);
    t.movement(kVkEnd, KeyAction::End);
    for (int d = 0; d <= 9; ++d) {
        t.down('0' + d, ModMatch::Any, act(KeyAction::ArmBand));
        t.down(kVkNumpad0 + d, ModMatch::Any, act(KeyAction::ArmBand));
    }

    t.letter('A', ModMatch::Ctrl, IDM_SELECT_ALL);
    t.letter('A', ModMatch::Plain, IDM_ATTRIBUTE);
    t.letter('B', ModMatch::Ctrl, IDM_COPY_FULLPATH);
    t.letter('C', ModMatch::Ctrl, IDM_COPY_FILENAME);
    t.letter('C', ModMatch::Plain, IDM_FILE_COPY);
    t.letter('D', ModMatch::Ctrl, IDM_DELETE);
    t.letter('D', ModMatch::Plain, IDM_DELETE);
    t.letter('F', ModMatch::Ctrl, IDM_SEARCH_SELECT);
    t.letter('G', ModMatch::Ctrl, IDM_DEEMPHASIZE);
    t.letter('H', ModMatch::Plain, IDM_REPLACE_RENAME);
    t.letter('K', ModMatch::Ctrl, IDM_MAKE_FOLDER);
    t.letter('K', ModMatch::Plain, IDM_MAKE_FOLDER);
    t.letter('M', ModMatch::Plain, IDM_FILE_MOVE);
    t.letter('N', ModMatch::Plain, IDM_RENAME);
    t.letter('P', ModMatch::Ctrl, IDM_PROPERTY);
    t.letter('P', ModMatch::Shift, IDM_COMPRESS);
    t.letter('P', ModMatch::Plain, IDM_COMPRESS);
    t.letter('Q', ModMatch::Ctrl, IDM_CLEAR_ALL);
    t.letter('R', ModMatch::Plain, IDM_NUMBER_RENAME);
    t.down('S', ModMatch::Plain, act(KeyAction::SidebarPopup, kGuardIdle | kGuardNotMidLoad));
    t.down('S', ModMatch::Ctrl, act(KeyAction::DrivePopup, kGuardIdle | kGuardNotMidLoad));
    t.letter('T', ModMatch::Plain, IDM_TIMESTAMP);
    t.letter('U', ModMatch::Plain, IDM_EXPAND);
    t.letter('V', ModMatch::Ctrl, IDM_PASTE);
    t.letter('W', ModMatch::Plain, IDM_APPEND_RENAME);
    t.letter('X', ModMatch::Ctrl, IDM_COMMAND_EXECUTION);
    t.letter('X', ModMatch::Plain, IDM_ASSOCIATED_EXECUTION);
    t.letter('Z', ModMatch::Ctrl, IDM_SELECT_REVERSE);
    for (char c : {'E', 'I', 'J', 'L', 'O', 'Y'}) t.down(c, ModMatch::Any, act(KeyAction::Consume));
    // Any other combination of a letter is consumed by the lookup's fallback.

    // Key-up.
    t.up(kVkBack, ModMatch::Any, post(IDM_PARENT_FOLDER, kGuardNone));
    for (int vk : {int{'0'}, kVkNumpad0}) {
        t.up(vk, ModMatch::Plain,
             KeyBinding{KeyAction::ShortcutFolder, IDM_SHORTCUT_FOLDER, 0,
                        kGuardIdle | kGuardComplete, false});
        t.up(vk, ModMatch::Ctrl, act(KeyAction::StoreShortcut, kGuardIdle | kGuardComplete));
    }
    for (int n = 1; n <= 9; ++n) {
        const KeyBinding drive{KeyAction::DigitDrive, IDM_SHORTCUT_FOLDER + n, n,
                               kGuardIdle | kGuardComplete, false};
        t.up('0' + n, ModMatch::Any, drive);
        t.up(kVkNumpad0 + n, ModMatch::Any, drive);
    }
    t.up(kVkF2, ModMatch::Any, act(KeyAction::ToggleFiltering));
    t.up(kVkF3, ModMatch::Any, post(IDM_FILTERING, kGuardNone));
    t.up(kVkF4, ModMatch::Any, post(IDM_SIDE_BAR, kGuardNone));
    t.up(kVkF5, ModMatch::Any, post(IDM_RELOAD, kGuardNone));
    t.up(kVkF6, ModMatch::Any, post(IDM_TRANSLUCENT, kGuardNone));
    t.up(kVkF7, ModMatch::ShiftHeld, act(KeyAction::PrevTheme, kGuardIdle));
    t.up(kVkF7, ModMatch::Any, act(KeyAction::NextTheme, kGuardIdle));
    t.up(kVkF8, ModMatch::Any, post(IDM_VIEW_MODE, kGuardNone));
    t.up(kVkF9, ModMatch::Any, post(IDM_NEW_PROCESS, kGuardNone));
    for (int vk : {kVkF1, kVkF10, kVkF11, kVkF12}) t.up(vk, ModMatch::Any, act(KeyAction::Consume));

    return t.rows;
}

bool accepts(ModMatch match, KeyModifiers m) {
    switch (match) {
        case ModMatch::Any: return true;
        case ModMatch::Plain: return !m.ctrl && !m.shift && !m.alt;
        case ModMatch::Ctrl: return m.ctrl && !m.shift && !m.alt;
        case ModMatch::Shift: return m.shift && !m.ctrl && !m.alt;
        case ModMatch::Alt: return m.alt && !m.ctrl && !m.shift;
        case ModMatch::ShiftHeld: return m.shift;
    }
    return false;
}

}  // namespace

std::span<const KeyRow> keyTable() {
    static const std::vector<KeyRow> table = buildTable();
    return table;
}

KeyBinding lookupKey(int vk, KeyPhase phase, KeyModifiers mods) {
    bool known = false;
    for (const KeyRow& row : keyTable()) {
        if (row.vk != vk || row.phase != phase) continue;
        known = true;
        if (accepts(row.mods, mods)) return row.binding;
    }
    return known ? act(KeyAction::Consume) : KeyBinding{};
}

GuardVerdict checkGuards(uint8_t guards, const KeyContext& ctx) {
    if ((guards & kGuardNotOnButton) && ctx.focusOnButton) return GuardVerdict::PassOn;
    if ((guards & kGuardIdle) && (ctx.uiBusy || ctx.listingThreadRunning)) return GuardVerdict::Drop;
    if ((guards & kGuardListingIdle) && ctx.listingThreadRunning) return GuardVerdict::Drop;
    if ((guards & kGuardComplete) && !ctx.complete) return GuardVerdict::Drop;
    if ((guards & kGuardNotMidLoad) && ctx.midLoad) return GuardVerdict::Drop;
    return GuardVerdict::Run;
}

int themeCommand(int currentTheme, bool previous) {
    const int theme = ((currentTheme % 8) + 8) % 8;
    const int next = (theme + (previous ? 7 : 1)) % 8;
    return IDM_THEME_FIRST + next;
}

}  // namespace tarvelo::filelist
