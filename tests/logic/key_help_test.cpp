#include "filelist/key_help.h"

#include <gtest/gtest.h>

#include <sstream>

#include "resource_ids.h"

namespace tarvelo::filelist {
namespace {

std::wstring fakeName(int id) { return L"cmd" + std::to_wstring(id); }

std::string narrow(const std::wstring& s) {
    std::string out;
    for (wchar_t c : s) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// The line holding `keys` as one of its " / " parts, or nullptr.
const KeyHelpLine* lineWithKey(const std::vector<KeyHelpLine>& lines, const std::wstring& keys) {
    for (const KeyHelpLine& line : lines) {
        std::wstring rest = line.keys;
        size_t start = 0;
        while (start <= rest.size()) {
            size_t end = rest.find(L" / ", start);
            if (end == std::wstring::npos) end = rest.size();
            if (rest.compare(start, end - start, keys) == 0) return &line;
            start = end + 3;
        }
    }
    return nullptr;
}

// Every key the key handling acts on is in the help, under the line of what
// it does: a key added to the table without a help text, or a help line that
// no longer matches the lookup, fails here.
TEST(KeyHelp, EveryKeyTheLookupActsOnIsListedWithItsMeaning) {
    const auto lines = keyHelpLines(keyTable(), fakeName, UiLanguage::English);
    struct Mods {
        KeyModifiers mods;
        const wchar_t* prefix;
    };
    const Mods combos[] = {{{}, L""}, {{true, false, false}, L"Ctrl+"}, {{false, true, false}, L"Shift+"}};
    int checked = 0;
    for (int vk = 1; vk < 256; ++vk) {
        for (KeyPhase phase : {KeyPhase::Down, KeyPhase::Up}) {
            for (const Mods& m : combos) {
                const KeyBinding b = lookupKey(vk, phase, m.mods);
                if (b.action == KeyAction::NotHandled || b.action == KeyAction::Consume) continue;
                if (b.action == KeyAction::ArmBand) {
                    EXPECT_NE(lineWithKey(lines, L"0-9"), nullptr);
                    continue;
                }
                // A key whose row accepts any modifier is listed bare.
                const std::wstring bare = keyName(vk);
                const KeyHelpLine* exact = lineWithKey(lines, m.prefix + bare);
                const KeyHelpLine* any = lineWithKey(lines, bare);
                ASSERT_TRUE(exact || any) << narrow(m.prefix + bare) << (phase == KeyPhase::Up ? " (up)" : "");
                if (b.action == KeyAction::PostCommand || b.action == KeyAction::Escape) {
                    const std::wstring want = fakeName(b.command);
                    EXPECT_TRUE((exact && exact->what == want) || (any && any->what == want))
                        << narrow(m.prefix + bare) << " should read " << narrow(want);
                }
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 60);
}

TEST(KeyHelp, LinesMergeKeysOfOneMeaningAndKeepBothPhases) {
    const auto en = keyHelpLines(keyTable(), fakeName, UiLanguage::English);
    const auto ja = keyHelpLines(keyTable(), fakeName, UiLanguage::Japanese);
    struct Case {
        const std::vector<KeyHelpLine>* lines;
        const wchar_t* keys;
        std::wstring what;
    };
    const Case cases[] = {
        {&en, L"Ctrl+D / D", fakeName(IDM_DELETE)},
        {&en, L"Ctrl+K / K", fakeName(IDM_MAKE_FOLDER)},
        {&en, L"Esc", fakeName(IDM_EXIT)},
        // Backspace passes its key-down on; the key-up goes to the parent.
        {&en, L"Backspace", fakeName(IDM_PARENT_FOLDER)},
        {&en, L"1 / Num 1", L"Go to drive A:"},
        {&en, L"9 / Num 9", L"Go to drive I:"},
        {&en, L"0 / Num 0", L"Go to the shortcut folder"},
        {&en, L"Shift+F7", L"Previous color theme"},
        {&en, L"F7", L"Next color theme"},
        {&en, L"Shift+Page Down", L"One page down, selecting on the way"},
        {&ja, L"1 / Num 1", L"ドライブ A: へ移動"},
        {&ja, L"Ctrl+S", L"ドライブのメニュー"},
    };
    for (const Case& c : cases) {
        const KeyHelpLine* line = nullptr;
        for (const KeyHelpLine& l : *c.lines) {
            if (l.keys == c.keys) line = &l;
        }
        ASSERT_NE(line, nullptr) << narrow(c.keys);
        EXPECT_EQ(line->what, c.what) << narrow(c.keys);
    }
    // No line twice, no empty line.
    for (size_t i = 0; i < en.size(); ++i) {
        EXPECT_FALSE(en[i].what.empty());
        for (size_t j = i + 1; j < en.size(); ++j) EXPECT_NE(en[i].what, en[j].what) << narrow(en[i].what);
    }
}

TEST(KeyHelp, KeysBoundElsewhereJoinTheirCommandsLine) {
    auto lines = keyHelpLines(keyTable(), fakeName, UiLanguage::English);
    const size_t before = lines.size();
    mergeKeyHelpLine(lines, {L"Alt+F4", fakeName(IDM_EXIT)});
    mergeKeyHelpLine(lines, {L"Ctrl+F12", L"Something new"});
    mergeKeyHelpLine(lines, {L"Ctrl+F11", L""});  // a command without a name is not listed
    ASSERT_EQ(lines.size(), before + 1);
    EXPECT_NE(lineWithKey(lines, L"Alt+F4"), nullptr);
    EXPECT_EQ(lineWithKey(lines, L"Alt+F4")->keys, L"Esc / Alt+F4");
    EXPECT_EQ(lines.back().keys, L"Ctrl+F12");
    EXPECT_EQ(keyHelpText({{L"Esc / Alt+F4", L"Exit"}}), L"Esc / Alt+F4\tExit\r\n");
}

TEST(KeyHelp, KeyNames) {
    const std::pair<int, const wchar_t*> cases[] = {
        {'A', L"A"}, {'7', L"7"}, {kVkNumpad0 + 3, L"Num 3"}, {kVkF12, L"F12"}, {kVkNext, L"Page Down"},
        {kVkReturn, L"Enter"}, {kVkBack, L"Backspace"}, {0x5D, L"0x5D"},
    };
    for (const auto& [vk, name] : cases) EXPECT_EQ(keyName(vk), name) << vk;
}

}  // namespace
}  // namespace tarvelo::filelist
