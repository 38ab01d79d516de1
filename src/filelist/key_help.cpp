#include "filelist/key_help.h"

namespace tarvelo::filelist {

namespace {

std::wstring modifierPrefix(ModMatch mods) {
    switch (mods) {
    case ModMatch::Ctrl: return L"Ctrl+";
    case ModMatch::Shift:
    case ModMatch::ShiftHeld: return L"Shift+";
    case ModMatch::Alt: return L"Alt+";
    case ModMatch::Any:
    case ModMatch::Plain: return L"";
    }
    return L"";
}

// Description of the actions the window carries out itself; empty for rows
// the help leaves out.
std::wstring actionText(const KeyRow& row, const CommandNameLookup& commandName, UiLanguage l) {
    const KeyBinding& b = row.binding;
    const bool toggles = b.toggles;
    auto move = [&](const wchar_t* en, const wchar_t* ja) {
        std::wstring t = pick(l, en, ja);
        if (toggles) t += pick(l, L", selecting on the way", L" (通過した項目を選択)");
        return t;
    };
    switch (b.action) {
    case KeyAction::NotHandled:
    case KeyAction::Consume: return L"";
    case KeyAction::PostCommand:
    case KeyAction::Escape: return commandName(b.command);
    case KeyAction::ShortcutFolder: return pick(l, L"Go to the shortcut folder", L"ショートカットフォルダへ移動");
    case KeyAction::OpenEntry: return pick(l, L"Open the entry under the cursor", L"カーソル位置の項目を開く");
    case KeyAction::MoveDown: return move(L"Cursor down", L"カーソルを下へ");
    case KeyAction::MoveUp: return move(L"Cursor up", L"カーソルを上へ");
    case KeyAction::PageDown: return move(L"One page down", L"1 ページ下へ");
    case KeyAction::PageUp: return move(L"One page up", L"1 ページ上へ");
    case KeyAction::HalfPageDown: return move(L"Half a page down", L"半ページ下へ");
    case KeyAction::HalfPageUp: return move(L"Half a page up", L"半ページ上へ");
    case KeyAction::Home: return move(L"First entry", L"先頭の項目へ");
    case KeyAction::End: return move(L"Last entry", L"最後の項目へ");
    case KeyAction::ToggleAndDown: return pick(l, L"Select or unselect, then cursor down", L"選択を切り替えて下へ");
    case KeyAction::SortNext: return pick(l, L"Sort by the next column", L"次の列で並べ替え");
    case KeyAction::SortPrev: return pick(l, L"Sort by the previous column", L"前の列で並べ替え");
    case KeyAction::SortFlip: return pick(l, L"Reverse the sort order", L"並べ替えの順序を反転");
    case KeyAction::ArmBand:
        return pick(l, L"Hold and drag: select with a rubber band",
                    L"押したままマウスでドラッグ: 範囲選択");
    case KeyAction::DigitDrive: {
        std::wstring t = pick(l, L"Go to drive ", L"ドライブ ");
        t += static_cast<wchar_t>(L'A' + b.argument - 1);
        t += L':';
        if (l == UiLanguage::Japanese) t += L" へ移動";
        return t;
    }
    case KeyAction::StoreShortcut:
        return pick(l, L"Store the current folder as the shortcut folder",
                    L"現在のフォルダをショートカットフォルダとして登録");
    case KeyAction::NextTheme: return pick(l, L"Next color theme", L"次の配色テーマ");
    case KeyAction::PrevTheme: return pick(l, L"Previous color theme", L"前の配色テーマ");
    case KeyAction::SidebarPopup: return pick(l, L"Menu of the side bar folders", L"サイドバーのフォルダのメニュー");
    case KeyAction::DrivePopup: return pick(l, L"Menu of the drives", L"ドライブのメニュー");
    case KeyAction::ToggleFiltering: return pick(l, L"Filtering on or off", L"フィルタリングの切り替え");
    }
    return L"";
}

}  // namespace

std::wstring keyName(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::wstring(1, static_cast<wchar_t>(vk));
    if (vk >= kVkNumpad0 && vk <= kVkNumpad0 + 9) return L"Num " + std::to_wstring(vk - kVkNumpad0);
    if (vk >= kVkF1 && vk <= kVkF12) return L"F" + std::to_wstring(vk - kVkF1 + 1);
    switch (vk) {
    case kVkBack: return L"Backspace";
    case kVkTab: return L"Tab";
    case kVkReturn: return L"Enter";
    case kVkEscape: return L"Esc";
    case kVkSpace: return L"Space";
    case kVkPrior: return L"Page Up";
    case kVkNext: return L"Page Down";
    case kVkEnd: return L"End";
    case kVkHome: return L"Home";
    case kVkLeft: return L"Left";
    case kVkUp: return L"Up";
    case kVkRight: return L"Right";
    case kVkDown: return L"Down";
    default: break;
    }
    wchar_t hex[8];
    const wchar_t* digits = L"0123456789ABCDEF";
    hex[0] = L'0';
    hex[1] = L'x';
    hex[2] = digits[(vk >> 4) & 0xF];
    hex[3] = digits[vk & 0xF];
    hex[4] = 0;
    return hex;
}

std::vector<KeyHelpLine> keyHelpLines(std::span<const KeyRow> rows, const CommandNameLookup& commandName,
                                      UiLanguage language) {
    std::vector<KeyHelpLine> lines;
    std::vector<std::wstring> seenKeys;  // a key combination keeps its first (the looked-up) meaning
    for (const KeyRow& row : rows) {
        const std::wstring what = actionText(row, commandName, language);
        const std::wstring keys = modifierPrefix(row.mods) + keyName(row.vk);
        // Key-down and key-up rows are looked up separately.
        const std::wstring seen = (row.phase == KeyPhase::Down ? L"v" : L"^") + keys;
        bool shadowed = false;
        for (const std::wstring& k : seenKeys) shadowed = shadowed || k == seen;
        seenKeys.push_back(seen);
        if (what.empty() || shadowed) continue;
        bool merged = false;
        for (KeyHelpLine& line : lines) {
            if (line.what != what) continue;
            // The digit rows: the band keys are one line, "0-9".
            if (row.binding.action != KeyAction::ArmBand) line.keys += L" / " + keys;
            merged = true;
            break;
        }
        if (!merged) {
            lines.push_back({row.binding.action == KeyAction::ArmBand ? std::wstring(L"0-9 / Num 0-9") : keys, what});
        }
    }
    return lines;
}

void mergeKeyHelpLine(std::vector<KeyHelpLine>& lines, const KeyHelpLine& extra) {
    if (extra.what.empty() || extra.keys.empty()) return;
    for (KeyHelpLine& line : lines) {
        if (line.what == extra.what) {
            line.keys += L" / " + extra.keys;
            return;
        }
    }
    lines.push_back(extra);
}

std::wstring keyHelpText(const std::vector<KeyHelpLine>& lines) {
    std::wstring text;
    for (const KeyHelpLine& line : lines) {
        text += line.keys;
        text += L'\t';
        text += line.what;
        text += L"\r\n";
    }
    return text;
}

}  // namespace tarvelo::filelist
