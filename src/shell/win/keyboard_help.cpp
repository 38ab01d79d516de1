#include "shell/win/keyboard_help.h"

#include <commctrl.h>

#include <vector>

#include "filelist/key_help.h"
#include "filelist/key_table.h"
#include "resource_ids.h"
#include "shell/win/main_window.h"

namespace tarvelo::shell::win {

namespace {

std::wstring loadText(HINSTANCE instance, int id) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

struct HelpState {
    HINSTANCE instance;
    UiLanguage language;
};

std::vector<filelist::KeyHelpLine> helpLines(HINSTANCE instance, UiLanguage language) {
    auto name = [instance](int command) { return loadText(instance, command); };
    std::vector<filelist::KeyHelpLine> lines = filelist::keyHelpLines(filelist::keyTable(), name, language);
    // The accelerator keys (Alt+F4) join the line of their command.
    if (HACCEL table = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS))) {
        const int count = CopyAcceleratorTableW(table, nullptr, 0);
        std::vector<ACCEL> keys(static_cast<size_t>(count > 0 ? count : 0));
        if (!keys.empty()) CopyAcceleratorTableW(table, keys.data(), count);
        for (const ACCEL& a : keys) {
            if (!(a.fVirt & FVIRTKEY)) continue;
            std::wstring k;
            if (a.fVirt & FCONTROL) k += L"Ctrl+";
            if (a.fVirt & FSHIFT) k += L"Shift+";
            if (a.fVirt & FALT) k += L"Alt+";
            k += filelist::keyName(a.key);
            filelist::mergeKeyHelpLine(lines, {k, name(a.cmd)});
        }
    }
    return lines;
}

void fillList(HWND list, HINSTANCE instance, UiLanguage language) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    RECT client{};
    GetClientRect(list, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    std::wstring keyHeading = pick(language, L"Key", L"キー");
    std::wstring whatHeading = pick(language, L"Command", L"コマンド");
    column.pszText = keyHeading.data();
    column.cx = client.right / 3;
    column.iSubItem = 0;
    ListView_InsertColumn(list, 0, &column);
    column.pszText = whatHeading.data();
    column.cx = client.right - client.right / 3;
    column.iSubItem = 1;
    ListView_InsertColumn(list, 1, &column);

    const std::vector<filelist::KeyHelpLine> lines = helpLines(instance, language);
    int row = 0;
    for (const filelist::KeyHelpLine& line : lines) {
        std::wstring keys = line.keys;
        std::wstring what = line.what;
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = keys.data();
        const int at = ListView_InsertItem(list, &item);
        if (at < 0) continue;
        ListView_SetItemText(list, at, 1, what.data());
        ++row;
    }
    // The key column as wide as its longest text, the command column the rest.
    ListView_SetColumnWidth(list, 0, LVSCW_AUTOSIZE_USEHEADER);
    const int keyWidth = ListView_GetColumnWidth(list, 0);
    const int rest = client.right - keyWidth - GetSystemMetrics(SM_CXVSCROLL);
    ListView_SetColumnWidth(list, 1, rest > 100 ? rest : LVSCW_AUTOSIZE_USEHEADER);
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

INT_PTR CALLBACK helpProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        const auto* state = reinterpret_cast<const HelpState*>(lp);
        HWND list = GetDlgItem(dialog, IDC_KEYHELP_LIST);
        if (list) {
            fillList(list, state->instance, state->language);
            SetFocus(list);
        }
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wp));
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void showKeyboardHelp(HWND owner, HINSTANCE instance, UiLanguage language) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HelpState state{instance, language};
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_KEYBOARD_HELP), owner, helpProc, reinterpret_cast<LPARAM>(&state));
}

void registerKeyboardHelpCommands(MainWindow& window) {
    window.commands().add(IDM_KEYBOARD_SHORTCUTS, [&window](int) {
        if (!window.guardAllows()) return;
        window.runModal([&window] {
            showKeyboardHelp(window.hwnd(), window.context().instance, window.context().uiLanguage);
        });
    });
}

}  // namespace tarvelo::shell::win
