#include "fileops/win/name_dialogs.h"

#include "fileops/name_rules.h"
#include "fileops/rename_texts.h"
#include "fileops/win/dialog_look.h"
#include "platform/unique_handle.h"
#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

std::wstring windowText(HWND w) {
    const int n = GetWindowTextLengthW(w);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(w, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

HINSTANCE moduleInstance() { return GetModuleHandleW(nullptr); }

// Re-entry guard: setting the cleaned text fires another change.
bool g_fixing = false;

}  // namespace

void checkTypedName(HWND dialog, HWND field, UiLanguage language) {
    if (g_fixing) return;
    const std::wstring text = windowText(field);
    const bool bad = hasInvalidNameChar(text);
    if (!bad && text.find(L'\t') == std::wstring::npos) return;
    g_fixing = true;
    if (bad) {
        const NameTexts t = nameTexts(language);
        MessageBoxW(dialog, t.invalidChars, t.attention, MB_OK | MB_ICONERROR);
    }
    SetWindowTextW(field, (bad ? withoutInvalidNameChars(text) : withoutTabs(text)).c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, EM_SCROLLCARET, 0, 0);
    g_fixing = false;
}

namespace {

struct NameDialogContext {
    NameDialogState* state;
    platform::UniqueFont font;
    DialogLook look;
};

INT_PTR CALLBACK nameProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* ctx = reinterpret_cast<NameDialogContext*>(GetWindowLongPtrW(dlg, DWLP_USER));
    INT_PTR brush = 0;
    if (ctx && ctx->look.colour(msg, wp, lp, brush)) return brush;
    switch (msg) {
    case WM_INITDIALOG: {
        ctx = reinterpret_cast<NameDialogContext*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        ctx->look.apply(dlg, {});
        SetWindowTextW(dlg, ctx->state->caption.c_str());
        HWND edit = GetDlgItem(dlg, IDC_RN_NAME_EDIT);
        ctx->font.reset(CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH,
                                    L"MS Gothic"));
        if (ctx->font) SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(ctx->font.get()), TRUE);
        SetWindowTextW(edit, ctx->state->name.c_str());
        EnableWindow(GetDlgItem(dlg, IDC_RN_SKIP), ctx->state->skipEnabled);
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        return FALSE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (id == IDC_RN_NAME_EDIT && HIWORD(wp) == EN_CHANGE) {
            if (ctx->state->checkNames) checkTypedName(dlg, GetDlgItem(dlg, IDC_RN_NAME_EDIT), ctx->state->language);
            return TRUE;
        }
        if (id == IDOK || id == IDCANCEL || (id == IDC_RN_SKIP && ctx->state->skipEnabled)) {
            ctx->state->name = markEmpty(withoutTabs(windowText(GetDlgItem(dlg, IDC_RN_NAME_EDIT))));
            EndDialog(dlg, id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        ctx->state->name = markEmpty(withoutTabs(windowText(GetDlgItem(dlg, IDC_RN_NAME_EDIT))));
        EndDialog(dlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

struct ReplaceContext {
    ReplaceDialogState* state;
    DialogLook look;
};

void fillCombo(HWND combo, const TextHistory& history, const std::wstring& text) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& e : history.entries()) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    SetWindowTextW(combo, text.c_str());
}

// The combo's edit text (its selection while the list is open).
std::wstring comboText(HWND combo) {
    return windowText(combo);
}

void updatePreview(HWND dlg, ReplaceContext* ctx) {
    if (!ctx->state->preview) return;
    const std::wstring text = ctx->state->preview(comboText(GetDlgItem(dlg, IDC_RN_SEARCH_COMBO)),
                                                  comboText(GetDlgItem(dlg, IDC_RN_WITH_COMBO)));
    SetDlgItemTextW(dlg, IDC_RN_PREVIEW, text.c_str());
}

HWND comboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : combo;
}

INT_PTR CALLBACK replaceProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* ctx = reinterpret_cast<ReplaceContext*>(GetWindowLongPtrW(dlg, DWLP_USER));
    INT_PTR brush = 0;
    if (ctx && ctx->look.colour(msg, wp, lp, brush)) return brush;
    switch (msg) {
    case WM_INITDIALOG:
        ctx = reinterpret_cast<ReplaceContext*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        ctx->look.apply(dlg, {IDC_RN_SEARCH_COMBO, IDC_RN_WITH_COMBO, IDC_RN_PREVIEW});
        fillCombo(GetDlgItem(dlg, IDC_RN_SEARCH_COMBO), ctx->state->searchHistory, ctx->state->search);
        fillCombo(GetDlgItem(dlg, IDC_RN_WITH_COMBO), ctx->state->replacementHistory, ctx->state->replacement);
        updatePreview(dlg, ctx);
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        if ((id == IDC_RN_SEARCH_COMBO || id == IDC_RN_WITH_COMBO) &&
            (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)) {
            HWND combo = GetDlgItem(dlg, id);
            if (code == CBN_EDITCHANGE) {
                checkTypedName(dlg, comboEdit(combo), ctx->state->language);
                if (comboText(combo).empty() && SendMessageW(combo, CB_GETCOUNT, 0, 0) > 1) {
                    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
                }
                updatePreview(dlg, ctx);
            } else {
                // The edit part takes the chosen entry only after this message.
                PostMessageW(dlg, WM_APP, 0, 0);
            }
            return TRUE;
        }
        if (id == IDC_RN_SEARCH_DROP || id == IDC_RN_WITH_DROP) {
            const bool search = id == IDC_RN_SEARCH_DROP;
            HWND combo = GetDlgItem(dlg, search ? IDC_RN_SEARCH_COMBO : IDC_RN_WITH_COMBO);
            TextHistory& h = search ? ctx->state->searchHistory : ctx->state->replacementHistory;
            if (h.remove(comboText(combo))) fillCombo(combo, h, L"");
            updatePreview(dlg, ctx);
            return TRUE;
        }
        if (id == IDOK || id == IDCANCEL) {
            HWND s = GetDlgItem(dlg, IDC_RN_SEARCH_COMBO);
            HWND r = GetDlgItem(dlg, IDC_RN_WITH_COMBO);
            SendMessageW(s, CB_SHOWDROPDOWN, FALSE, 0);
            SendMessageW(r, CB_SHOWDROPDOWN, FALSE, 0);
            const std::wstring search = comboText(s), with = comboText(r);
            if (id == IDOK) {
                ctx->state->searchHistory.add(search);
                ctx->state->replacementHistory.add(with);
            }
            ctx->state->search = markEmpty(search);
            ctx->state->replacement = markEmpty(with);
            EndDialog(dlg, id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_APP:
        updatePreview(dlg, ctx);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int runNameDialog(HWND owner, NameDialogState& state) {
    NameDialogContext ctx{&state, {}, {}};
    const INT_PTR r = DialogBoxParamW(moduleInstance(), MAKEINTRESOURCEW(IDD_NAME), owner, nameProc,
                                      reinterpret_cast<LPARAM>(&ctx));
    if (r == IDOK || r == IDC_RN_SKIP) return static_cast<int>(r);
    return IDCANCEL;
}

int runReplaceDialog(HWND owner, ReplaceDialogState& state) {
    ReplaceContext ctx{&state, {}};
    const INT_PTR r = DialogBoxParamW(moduleInstance(), MAKEINTRESOURCEW(IDD_REPLACE_NAME), owner, replaceProc,
                                      reinterpret_cast<LPARAM>(&ctx));
    return r == IDOK ? IDOK : IDCANCEL;
}

}  // namespace tarvelo::fileops::win
