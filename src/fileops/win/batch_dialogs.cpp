#include "fileops/win/batch_dialogs.h"

#include "fileops/batch_rename_rules.h"
#include "fileops/name_rules.h"
#include "fileops/rename_texts.h"
#include "fileops/win/dialog_look.h"
#include "fileops/win/name_dialogs.h"
#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

// Posted when a combo's list choice has reached its edit part.
constexpr UINT kRefreshPreview = WM_APP + 1;

std::wstring itemText(HWND dlg, int id) { return controlText(GetDlgItem(dlg, id)); }

int selectedIndex(HWND dlg, int id) {
    const LRESULT i = SendDlgItemMessageW(dlg, id, CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? 0 : static_cast<int>(i);
}

void fillList(HWND combo, std::initializer_list<const wchar_t*> texts, int selected) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* t : texts) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void fillHistory(HWND combo, const TextHistory& history, const std::wstring& text) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& e : history.entries()) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    }
    SetWindowTextW(combo, text.c_str());
}

// Dialog procedures keep their context in DWLP_USER.
template <typename Context>
Context* contextOf(HWND dlg, UINT msg, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        return reinterpret_cast<Context*>(lp);
    }
    return reinterpret_cast<Context*>(GetWindowLongPtrW(dlg, DWLP_USER));
}

// ---- Append ----

struct AppendContext {
    AppendDialogState* state;
    DialogLook look;
};

void appendPreview(HWND dlg, AppendContext& c) {
    if (!c.state->preview) return;
    const std::wstring text = c.state->preview(selectedIndex(dlg, IDC_APPEND_PART), selectedIndex(dlg, IDC_APPEND_POSITION),
                                               itemText(dlg, IDC_APPEND_COMBO));
    SetDlgItemTextW(dlg, IDC_RN_PREVIEW, text.c_str());
}

INT_PTR CALLBACK appendProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    AppendContext* c = contextOf<AppendContext>(dlg, msg, lp);
    if (!c) return FALSE;
    INT_PTR brush = 0;
    if (c->look.colour(msg, wp, lp, brush)) return brush;
    AppendDialogState& s = *c->state;
    switch (msg) {
    case WM_INITDIALOG: {
        c->look.apply(dlg, {IDC_APPEND_COMBO, IDC_RN_PREVIEW});
        const AppendChoiceTexts t = appendChoiceTexts(s.language);
        fillList(GetDlgItem(dlg, IDC_APPEND_PART), {t.parts[0], t.parts[1]}, s.part);
        fillList(GetDlgItem(dlg, IDC_APPEND_POSITION), {t.positions[0], t.positions[1]}, s.position);
        fillHistory(GetDlgItem(dlg, IDC_APPEND_COMBO), s.history, s.text);
        appendPreview(dlg, *c);
        SetFocus(GetDlgItem(dlg, IDC_APPEND_COMBO));
        SendDlgItemMessageW(dlg, IDC_APPEND_COMBO, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return FALSE;
    }
    case kRefreshPreview:
        appendPreview(dlg, *c);
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        if ((id == IDC_APPEND_PART || id == IDC_APPEND_POSITION) && code == CBN_SELCHANGE) {
            appendPreview(dlg, *c);
            return TRUE;
        }
        if (id == IDC_APPEND_COMBO && code == CBN_EDITCHANGE) {
            HWND combo = GetDlgItem(dlg, id);
            checkTypedName(dlg, comboEditOf(combo), s.language);
            if (controlText(combo).empty() && SendMessageW(combo, CB_GETCOUNT, 0, 0) > 1) {
                SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            }
            appendPreview(dlg, *c);
            return TRUE;
        }
        if (id == IDC_APPEND_COMBO && code == CBN_SELCHANGE) {
            PostMessageW(dlg, kRefreshPreview, 0, 0);
            return TRUE;
        }
        if (id == IDC_APPEND_DROP) {
            HWND combo = GetDlgItem(dlg, IDC_APPEND_COMBO);
            if (s.history.remove(controlText(combo))) fillHistory(combo, s.history, L"");
            appendPreview(dlg, *c);
            return TRUE;
        }
        if (id == IDOK || id == IDCANCEL) {
            HWND combo = GetDlgItem(dlg, IDC_APPEND_COMBO);
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            const std::wstring text = withoutTabs(controlText(combo));
            if (id == IDOK) s.history.add(text);
            s.part = selectedIndex(dlg, IDC_APPEND_PART);
            s.position = selectedIndex(dlg, IDC_APPEND_POSITION);
            s.text = markEmpty(text);
            EndDialog(dlg, id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        EndDialog(dlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// ---- Serial number ----

struct SerialContext {
    SerialDialogState* state;
    DialogLook look;
};

void serialPreview(HWND dlg, SerialContext& c) {
    if (!c.state->preview) return;
    const std::wstring text = c.state->preview(itemText(dlg, IDC_SERIAL_PREFIX), itemText(dlg, IDC_SERIAL_NUMBER),
                                               itemText(dlg, IDC_SERIAL_SUFFIX));
    SetDlgItemTextW(dlg, IDC_RN_PREVIEW, text.c_str());
}

INT_PTR CALLBACK serialProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    SerialContext* c = contextOf<SerialContext>(dlg, msg, lp);
    if (!c) return FALSE;
    INT_PTR brush = 0;
    if (c->look.colour(msg, wp, lp, brush)) return brush;
    SerialDialogState& s = *c->state;
    const int fields[3] = {IDC_SERIAL_PREFIX, IDC_SERIAL_NUMBER, IDC_SERIAL_SUFFIX};
    std::wstring* values[3] = {&s.prefix, &s.number, &s.suffix};
    switch (msg) {
    case WM_INITDIALOG:
        c->look.apply(dlg, {IDC_SERIAL_PREFIX, IDC_SERIAL_NUMBER, IDC_SERIAL_SUFFIX, IDC_RN_PREVIEW});
        for (int i = 0; i < 3; ++i) SetDlgItemTextW(dlg, fields[i], values[i]->c_str());
        serialPreview(dlg, *c);
        SetFocus(GetDlgItem(dlg, IDC_SERIAL_PREFIX));
        SendDlgItemMessageW(dlg, IDC_SERIAL_PREFIX, EM_SETSEL, 0, -1);
        return FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if ((id == IDC_SERIAL_PREFIX || id == IDC_SERIAL_NUMBER || id == IDC_SERIAL_SUFFIX) &&
            HIWORD(wp) == EN_CHANGE) {
            checkTypedName(dlg, GetDlgItem(dlg, id), s.language);
            serialPreview(dlg, *c);
            return TRUE;
        }
        if (id == IDOK || id == IDCANCEL) {
            for (int i = 0; i < 3; ++i) *values[i] = markEmpty(withoutTabs(itemText(dlg, fields[i])));
            EndDialog(dlg, id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        EndDialog(dlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// ---- Between ----

struct BetweenContext {
    BetweenDialogState* state;
    DialogLook look;
};

void betweenPreview(HWND dlg, BetweenContext& c) {
    const std::wstring start = itemText(dlg, IDC_BETWEEN_START), end = itemText(dlg, IDC_BETWEEN_END),
                       with = itemText(dlg, IDC_BETWEEN_WITH);
    const int index = selectedIndex(dlg, IDC_BETWEEN_INDEX);
    SetDlgItemTextW(dlg, IDC_BETWEEN_NEW, betweenReplace(c.state->firstName, start, end, with, index).c_str());
    if (c.state->preview) SetDlgItemTextW(dlg, IDC_RN_PREVIEW, c.state->preview(start, end, with, index).c_str());
}

INT_PTR CALLBACK betweenProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    BetweenContext* c = contextOf<BetweenContext>(dlg, msg, lp);
    if (!c) return FALSE;
    INT_PTR brush = 0;
    if (c->look.colour(msg, wp, lp, brush)) return brush;
    BetweenDialogState& s = *c->state;
    const int fields[3] = {IDC_BETWEEN_START, IDC_BETWEEN_END, IDC_BETWEEN_WITH};
    std::wstring* values[3] = {&s.start, &s.end, &s.replacement};
    switch (msg) {
    case WM_INITDIALOG: {
        c->look.apply(dlg, {IDC_BETWEEN_START, IDC_BETWEEN_END, IDC_BETWEEN_WITH, IDC_BETWEEN_OLD, IDC_BETWEEN_NEW,
                         IDC_RN_PREVIEW});
        c->look.setTextColour(IDC_BETWEEN_OLD, RGB(0x80, 0x80, 0x80));
        c->look.setTextColour(IDC_BETWEEN_NEW, static_cast<COLORREF>(0xF0641E));
        for (int i = 0; i < 3; ++i) SetDlgItemTextW(dlg, fields[i], values[i]->c_str());
        HWND index = GetDlgItem(dlg, IDC_BETWEEN_INDEX);
        for (int i = 0; i <= 9; ++i) {
            const std::wstring digit = std::to_wstring(i);
            SendMessageW(index, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(digit.c_str()));
        }
        SendMessageW(index, CB_SETCURSEL, static_cast<WPARAM>(s.index >= 0 && s.index <= 9 ? s.index : 0), 0);
        SetDlgItemTextW(dlg, IDC_BETWEEN_OLD, s.firstName.c_str());
        betweenPreview(dlg, *c);
        SetFocus(GetDlgItem(dlg, IDC_BETWEEN_START));
        SendDlgItemMessageW(dlg, IDC_BETWEEN_START, EM_SETSEL, 0, -1);
        return FALSE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        if ((id == IDC_BETWEEN_START || id == IDC_BETWEEN_END || id == IDC_BETWEEN_WITH) && code == EN_CHANGE) {
            checkTypedName(dlg, GetDlgItem(dlg, id), s.language);
            betweenPreview(dlg, *c);
            return TRUE;
        }
        if (id == IDC_BETWEEN_INDEX && code == CBN_SELCHANGE) {
            betweenPreview(dlg, *c);
            return TRUE;
        }
        if (id == IDOK || id == IDCANCEL) {
            for (int i = 0; i < 3; ++i) *values[i] = markEmpty(withoutTabs(itemText(dlg, fields[i])));
            s.index = selectedIndex(dlg, IDC_BETWEEN_INDEX);
            EndDialog(dlg, id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        EndDialog(dlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

template <typename Context, typename State>
int runDialog(HWND owner, int templateId, DLGPROC proc, State& state) {
    Context context{&state, {}};
    const INT_PTR r = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, proc,
                                      reinterpret_cast<LPARAM>(&context));
    return r == IDOK ? IDOK : IDCANCEL;
}

}  // namespace

int runAppendDialog(HWND owner, AppendDialogState& state) {
    return runDialog<AppendContext>(owner, IDD_APPEND_NAME, appendProc, state);
}

int runSerialDialog(HWND owner, SerialDialogState& state) {
    return runDialog<SerialContext>(owner, IDD_SERIAL_NAME, serialProc, state);
}

int runBetweenDialog(HWND owner, BetweenDialogState& state) {
    return runDialog<BetweenContext>(owner, IDD_BETWEEN_NAME, betweenProc, state);
}

}  // namespace tarvelo::fileops::win
