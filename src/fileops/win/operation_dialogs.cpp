#include "fileops/win/operation_dialogs.h"

#include "fileops/folder_spec_rules.h"
#include "launch/win/folder_browser.h"
#include "platform/private_profile_store.h"
#include "platform/unique_handle.h"
#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

constexpr COLORREF kDialogBackground = RGB(0xFA, 0xFA, 0xFA);

HBRUSH dialogBrush() {
    static platform::UniqueBrush brush(CreateSolidBrush(kDialogBackground));
    return brush.get();
}

// The light look: one background for the dialog and its static texts.
bool lightLook(UINT msg, WPARAM wp, INT_PTR& result) {
    if (msg == WM_CTLCOLORDLG || msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
        SetBkColor(reinterpret_cast<HDC>(wp), kDialogBackground);
        result = reinterpret_cast<INT_PTR>(dialogBrush());
        return true;
    }
    return false;
}

std::wstring controlText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

struct FolderSpecState {
    const FolderSpecRequest* request = nullptr;
    std::wstring result;
    platform::UniqueFont comboFont;
    bool cleaning = false;
};

const wchar_t* forbiddenMessage() { return L" / * ? \" > < | \n\nThese characters cannot be used."; }

void browse(HWND dialog, FolderSpecState& s) {
    HWND combo = GetDlgItem(dialog, IDC_FOLDER_SPEC_COMBO);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    const std::wstring text = controlText(combo);
    std::wstring start = text.empty() ? s.request->baseFolder
                         : isValidFolderText(text) ? text
                                                   : launch::win::specialFolderPath(dialog, 5);
    platform::PrivateProfileStore ini(s.request->settingsFilePath);
    launch::win::BrowseResult chosen = launch::win::browseForFolder(dialog, start, false, ini);
    if (chosen.code == launch::win::kBrowseChosen && !chosen.path.empty()) {
        SetWindowTextW(combo, chosen.path.c_str());
    }
}

INT_PTR CALLBACK folderSpecProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    INT_PTR brush = 0;
    if (lightLook(msg, wp, brush)) return brush;
    auto* s = reinterpret_cast<FolderSpecState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        s = reinterpret_cast<FolderSpecState*>(lp);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
        SetWindowTextW(dialog, s->request->caption.c_str());
        HWND combo = GetDlgItem(dialog, IDC_FOLDER_SPEC_COMBO);
        s->comboFont.reset(CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, L"MS Gothic"));
        if (s->comboFont) SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(s->comboFont.get()), TRUE);
        for (const std::wstring& folder : folderHistory(s->request->stored)) {
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
        }
        SetWindowTextW(combo, s->request->text.c_str());
        SetFocus(combo);
        SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        return FALSE;
    }
    case WM_COMMAND: {
        HWND combo = GetDlgItem(dialog, IDC_FOLDER_SPEC_COMBO);
        const int id = LOWORD(wp);
        if (id == IDC_FOLDER_SPEC_COMBO && HIWORD(wp) == CBN_EDITCHANGE && !s->cleaning) {
            const std::wstring text = controlText(combo);
            TypedText typed = cleanTypedText(text);
            if (typed.changed) {
                s->cleaning = true;
                if (typed.hadForbidden) MessageBoxW(dialog, forbiddenMessage(), L"Attention", MB_OK | MB_ICONERROR);
                SetWindowTextW(combo, typed.text.c_str());
                SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
                s->cleaning = false;
            }
            if (typed.text.empty() && SendMessageW(combo, CB_GETCOUNT, 0, 0) > 1) {
                SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            }
            return TRUE;
        }
        if (id == IDC_FOLDER_SPEC_REFERENCE) {
            browse(dialog, *s);
            return TRUE;
        }
        if (id == IDOK) {
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            OkResult ok = folderSpecOk(controlText(combo), s->request->baseFolder);
            if (ok.action == OkAction::Browse) {
                browse(dialog, *s);
            } else if (ok.action == OkAction::ShowAndStay) {
                SetWindowTextW(combo, ok.text.c_str());
                SetFocus(combo);
                SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            } else {
                s->result = ok.text;
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

struct OverwriteState {
    const std::wstring* caption;
    const std::wstring* text;
};

INT_PTR CALLBACK overwriteProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    INT_PTR brush = 0;
    if (lightLook(msg, wp, brush)) return brush;
    switch (msg) {
    case WM_INITDIALOG: {
        auto* s = reinterpret_cast<OverwriteState*>(lp);
        SetWindowTextW(dialog, s->caption->c_str());
        SetDlgItemTextW(dialog, IDC_OVERWRITE_TEXT, s->text->c_str());
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (id == IDOK || id == IDCANCEL || id == IDC_OVERWRITE_SKIP || id == IDC_OVERWRITE_ALL) {
            EndDialog(dialog, id);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

std::optional<std::wstring> runFolderSpecDialog(HWND owner, HINSTANCE instance, const FolderSpecRequest& request) {
    FolderSpecState state;
    state.request = &request;
    const INT_PTR r = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_FOLDER_SPEC), owner, &folderSpecProc,
                                      reinterpret_cast<LPARAM>(&state));
    if (r != IDOK) return std::nullopt;
    return state.result;
}

OverwriteAnswer runOverwriteDialog(HWND owner, HINSTANCE instance, const std::wstring& caption,
                                   const std::wstring& text) {
    OverwriteState state{&caption, &text};
    const INT_PTR r = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_OVERWRITE), owner, &overwriteProc,
                                      reinterpret_cast<LPARAM>(&state));
    switch (r) {
    case IDOK: return OverwriteAnswer::Overwrite;
    case IDC_OVERWRITE_SKIP: return OverwriteAnswer::Skip;
    case IDC_OVERWRITE_ALL: return OverwriteAnswer::OverwriteAll;
    default: return OverwriteAnswer::Cancel;
    }
}

}  // namespace tarvelo::fileops::win
