#include "filelist/key_table.h"

#include <gtest/gtest.h>

#include "resource_ids.h"

namespace tarvelo::filelist {
namespace {

constexpr KeyModifiers kPlain{};
constexpr KeyModifiers kCtrl{true, false, false};
constexpr KeyModifiers kShift{false, true, false};
constexpr KeyModifiers kAlt{false, false, true};
constexpr KeyModifiers kCtrlShift{true, true, false};

TEST(KeyTable, Rows) {
    struct Case {
        int vk;
        KeyPhase phase;
        KeyModifiers mods;
        KeyAction action;
        int command;
        int argument;
    };
    const auto D = KeyPhase::Down;
    const auto U = KeyPhase::Up;
    const Case cases[] = {
        {'B', D, kCtrl, KeyAction::PostCommand, 32797, 0},
        {'D', D, kPlain, KeyAction::PostCommand, 32798, 0},
        {'D', D, kCtrl, KeyAction::PostCommand, 32798, 0},
        {'D', D, kShift, KeyAction::Consume, 0, 0},
        {'E', D, kPlain, KeyAction::Consume, 0, 0},
        {'A', D, kPlain, KeyAction::PostCommand, 32805, 0},
        {'P', D, kShift, KeyAction::PostCommand, 32829, 0},
        {'P', D, kPlain, KeyAction::PostCommand, 32829, 0},
        {'P', D, kCtrlShift, KeyAction::Consume, 0, 0},
        {'S', D, kPlain, KeyAction::SidebarPopup, 0, 0},
        {'S', D, kCtrl, KeyAction::DrivePopup, 0, 0},
        {'3', U, kPlain, KeyAction::DigitDrive, 34103, 3},
        {kVkNumpad0 + 9, U, kPlain, KeyAction::DigitDrive, 34109, 9},
        {'3', D, kPlain, KeyAction::ArmBand, 0, 0},
        {'0', U, kPlain, KeyAction::ShortcutFolder, 34100, 0},
        {kVkNumpad0, U, kCtrl, KeyAction::StoreShortcut, 0, 0},
        {'0', U, kShift, KeyAction::Consume, 0, 0},
        {kVkF5, U, kPlain, KeyAction::PostCommand, 32776, 0},
        {kVkF5, D, kPlain, KeyAction::NotHandled, 0, 0},
        {kVkF2, U, kPlain, KeyAction::ToggleFiltering, 0, 0},
        {kVkF7, U, kShift, KeyAction::PrevTheme, 0, 0},
        {kVkF7, U, kPlain, KeyAction::NextTheme, 0, 0},
        {kVkF10, U, kPlain, KeyAction::Consume, 0, 0},
        {kVkReturn, D, kPlain, KeyAction::OpenEntry, 0, 0},
        {kVkReturn, D, kCtrl, KeyAction::PostCommand, 32821, 0},
        {kVkReturn, D, kAlt, KeyAction::Consume, 0, 0},
        {kVkEscape, D, kPlain, KeyAction::Escape, 32771, 0},
        {kVkBack, D, kCtrl, KeyAction::PostCommand, 32772, 0},
        {kVkBack, D, kPlain, KeyAction::NotHandled, 0, 0},
        {kVkBack, U, kPlain, KeyAction::PostCommand, 32789, 0},
        {kVkTab, D, kShift, KeyAction::SortPrev, 0, 0},
        {kVkTab, D, kCtrl, KeyAction::SortFlip, 0, 0},
        {kVkSpace, D, kShift, KeyAction::ToggleAndDown, 0, 0},
        {0x91, D, kPlain, KeyAction::NotHandled, 0, 0},  // Scroll Lock: not ours
    };
    for (const Case& k : cases) {
        const KeyBinding b = lookupKey(k.vk, k.phase, k.mods);
        EXPECT_EQ(b.action, k.action) << "vk " << k.vk << (k.phase == D ? " down" : " up");
        EXPECT_EQ(b.command, k.command) << "vk " << k.vk;
        EXPECT_EQ(b.argument, k.argument) << "vk " << k.vk;
    }
}

TEST(KeyTable, ShiftTogglesOnlyOnMovementKeys) {
    for (int vk : {kVkUp, kVkDown, kVkPrior, kVkNext, kVkLeft, kVkRight, kVkHome, kVkEnd}) {
        EXPECT_TRUE(lookupKey(vk, KeyPhase::Down, kShift).toggles) << vk;
        EXPECT_TRUE(lookupKey(vk, KeyPhase::Down, kCtrlShift).toggles) << vk;
        EXPECT_FALSE(lookupKey(vk, KeyPhase::Down, kCtrl).toggles) << vk;
        EXPECT_FALSE(lookupKey(vk, KeyPhase::Down, kPlain).toggles) << vk;
    }
}

TEST(KeyTable, EveryLetterIsHandledOnKeyDown) {
    for (int vk = 'A'; vk <= 'Z'; ++vk) {
        for (KeyModifiers m : {kPlain, kCtrl, kShift, kAlt, kCtrlShift})
            EXPECT_NE(lookupKey(vk, KeyPhase::Down, m).action, KeyAction::NotHandled) << char(vk);
    }
}

TEST(KeyTable, Guards) {
    struct Case {
        int vk;
        KeyPhase phase;
        KeyModifiers mods;
        KeyContext ctx;
        GuardVerdict want;
    };
    const KeyContext ready{false, false, true, false, false};
    const KeyContext loading{false, true, false, true, false};
    const KeyContext busy{true, false, true, false, false};
    const KeyContext empty{false, false, false, false, false};
    const KeyContext onButton{false, false, true, false, true};
    const auto D = KeyPhase::Down;
    const auto U = KeyPhase::Up;
    const Case cases[] = {
        {'C', D, kPlain, ready, GuardVerdict::Run},
        {'C', D, kPlain, loading, GuardVerdict::Drop},   // letters wait for the load
        {'C', D, kPlain, busy, GuardVerdict::Run},       // the command guards itself
        {kVkDown, D, kPlain, empty, GuardVerdict::Drop}, // nothing to move on
        {kVkTab, D, kPlain, empty, GuardVerdict::Drop},
        {kVkReturn, D, kPlain, busy, GuardVerdict::Drop},
        {kVkReturn, D, kPlain, onButton, GuardVerdict::PassOn},
        {kVkEscape, D, kPlain, busy, GuardVerdict::Run},
        {'S', D, kPlain, loading, GuardVerdict::Drop},
        {'S', D, kPlain, empty, GuardVerdict::Run},      // the side-bar menu works on an empty listing
        {'3', U, kPlain, busy, GuardVerdict::Drop},
        {kVkF7, U, kPlain, busy, GuardVerdict::Drop},
        {kVkF5, U, kPlain, empty, GuardVerdict::Run},    // reload decides for itself
    };
    for (const Case& k : cases)
        EXPECT_EQ(checkGuards(lookupKey(k.vk, k.phase, k.mods).guards, k.ctx), k.want) << k.vk;
}

TEST(KeyTable, ThemeCycle) {
    EXPECT_EQ(themeCommand(0, true), 32908);   // Shift+F7 from theme 0 goes to theme 7
    EXPECT_EQ(themeCommand(0, false), 32902);
    EXPECT_EQ(themeCommand(7, false), 32901);
    EXPECT_EQ(themeCommand(3, true), 32903);
    EXPECT_EQ(themeCommand(-1, false), IDM_THEME_FIRST);  // out of range: treated cyclically
}

}  // namespace
}  // namespace tarvelo::filelist
