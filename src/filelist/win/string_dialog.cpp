#include "filelist/win/string_dialog.h"

#include <map>
#include <vector>

#include "filelist/string_history.h"
#include "filelist/string_terms.h"
#include "platform/dialog_cancel.h"
#include "platform/unique_handle.h"
#include "resource_ids.h"

namespace tarvelo::filelist::win {

namespace {

constexpr COLORREF kDialogBackground = RGB(250, 250, 250);

struct Context {
    UiLanguage language;
    StringDialogKind kind;
    std::wstring initialText;
    StringHistory history;
    bool save = false;
    std::wstring text;
    platform::UniqueFont font;
    platform::UniqueBrush background;
};

std::wstring windowText(HWND w) {
    const int n = GetWindowTextLengthW(w);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(w, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

HWND comboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) && info.hwndItem ? info.hwndItem : combo;
}

// Re-entry guard: putting the cleaned text back fires another change.
bool g_fixing = false;

void checkTypedText(HWND dlg, HWND edit, UiLanguage language) {
    if (g_fixing) return;
    const TypedTerms typed = cleanTypedTerms(windowText(edit));
    if (!typed.changed) return;
    g_fixing = true;
    if (typed.hadForbidden) MessageBoxW(dlg, forbiddenTermCharsText(language), L"Attention", MB_OK | MB_ICONERROR);
    SetWindowTextW(edit, typed.text.c_str());
    SendMessageW(edit, EM_SETSEL, 0, -1);
    g_fixing = false;
}

void fillCombo(HWND combo, const StringHistory& history) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : history.items()) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

const wchar_t* sectionOf(StringDialogKind kind) {
    return kind == StringDialogKind::Search ? kSearchDataSection : kFilteringDataSection;
}

INT_PTR CALLBACK dialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (platform::endDialogOnCancel(dlg, msg, wp)) return TRUE;
    auto* ctx = reinterpret_cast<Context*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        ctx = reinterpret_cast<Context*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        SetWindowTextW(dlg, stringDialogCaption(ctx->kind, ctx->language));
        HINSTANCE instance = GetModuleHandleW(nullptr);
        auto icon = [&](int size) {
            return reinterpret_cast<LPARAM>(
                LoadImageW(instance, MAKEINTRESOURCEW(IDI_TARVELO), IMAGE_ICON, size, size, LR_SHARED));
        };
        SendMessageW(dlg, WM_SETICON, ICON_BIG, icon(GetSystemMetrics(SM_CXICON)));
        SendMessageW(dlg, WM_SETICON, ICON_SMALL, icon(GetSystemMetrics(SM_CXSMICON)));
        HWND combo = GetDlgItem(dlg, IDC_STRING_COMBO);
        ctx->font.reset(CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH,
                                    L"MS Gothic"));
        if (ctx->font) SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(ctx->font.get()), TRUE);
        fillCombo(combo, ctx->history);
        SetWindowTextW(combo, ctx->initialText.c_str());
        SetFocus(combo);
        SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return FALSE;
    }
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(ctx->background.get());
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<INT_PTR>(ctx->background.get());
    }
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        HWND combo = GetDlgItem(dlg, IDC_STRING_COMBO);
        if (id == IDC_STRING_COMBO && HIWORD(wp) == CBN_EDITCHANGE) {
            checkTypedText(dlg, comboEdit(combo), ctx->language);
            if (windowText(combo).empty() && ctx->history.items().size() > 1) {
                SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            }
            return TRUE;
        }
        if (id == IDC_STRING_DROP) {
            if (ctx->history.remove(windowText(combo))) {
                fillCombo(combo, ctx->history);
                SetWindowTextW(combo, L"");
            }
            return TRUE;
        }
        if (id == IDOK) {
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            ctx->text = windowText(combo);
            ctx->history.enter(ctx->text);
            ctx->save = true;
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        return FALSE;
    }
    }
    return FALSE;
}

}  // namespace

const wchar_t* stringDialogCaption(StringDialogKind kind, UiLanguage language) {
    return kind == StringDialogKind::Search ? pick(language, L"Search and Select Strings", L"文字列検索して選択")
                                            : pick(language, L"Filtering by Strings", L"文字列によるフィルタリング");
}

StringDialogResult runStringDialog(HWND owner, UiLanguage language, int kind, const std::wstring& initialText,
                                   shell::SectionFileStore& store) {
    if (kind != static_cast<int>(StringDialogKind::Search) && kind != static_cast<int>(StringDialogKind::Filtering)) {
        return {};
    }
    Context ctx{language, static_cast<StringDialogKind>(kind), initialText, {}, false, {}, {}, {}};
    const wchar_t* section = sectionOf(ctx.kind);
    std::vector<std::wstring> keys;
    for (int i = 1; i <= kStringHistorySize; ++i) keys.push_back(stringHistoryKey(i));
    const shell::SectionValues stored = store.readMany(section, keys);
    std::map<std::wstring, std::wstring> values;
    for (size_t i = 0; i < keys.size() && i < stored.values.size(); ++i) values[keys[i]] = stored.values[i];
    ctx.history = StringHistory::load([&](const std::wstring& key) { return values[key]; });
    ctx.background.reset(CreateSolidBrush(kDialogBackground));

    const INT_PTR r = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_STRING_HISTORY), owner,
                                      dialogProc, reinterpret_cast<LPARAM>(&ctx));
    if (r != IDOK) return {};
    if (ctx.save) {
        std::vector<shell::SectionFileStore::KeyValue> pairs;
        for (const StringHistory::KeyValue& kv : ctx.history.stored()) pairs.push_back({kv.key, kv.value});
        store.writeMany(section, pairs);
    }
    return {true, ctx.text.empty() ? std::wstring(L"***") : ctx.text};
}

}  // namespace tarvelo::filelist::win
