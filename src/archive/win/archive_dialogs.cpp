#include "archive/win/archive_dialogs.h"

#include "archive/archive_texts.h"
#include "platform/dialog_cancel.h"
#include "platform/unique_handle.h"
#include "resource_ids.h"

namespace tarvelo::archive::win {

namespace {

constexpr COLORREF kBackground = 0xFAFAFA;
constexpr COLORREF kAccent = 0xC06000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kFrames[] = {IDC_ARC_FRAME_MODE, IDC_ARC_FRAME_OPTIONS, IDC_ARC_FRAME_NAME, IDC_ARC_FRAME_MESSAGE};

std::wstring windowText(HWND w) {
    const int n = GetWindowTextLengthW(w);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(w, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

// The light look shared by both dialogs: brushes, the edit font, the frames
// drawn as rectangles.
struct Look {
    platform::UniqueBrush background{CreateSolidBrush(kBackground)};
    platform::UniqueBrush white{CreateSolidBrush(kWhite)};
    platform::UniqueFont editFont;

    void apply(HWND dlg) {
        const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TARVELO));
        if (icon) {
            SendMessageW(dlg, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
            SendMessageW(dlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        }
        for (int id : kFrames) {
            if (HWND frame = GetDlgItem(dlg, id)) ShowWindow(frame, SW_HIDE);
        }
    }

    void paintFrames(HWND dlg) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(dlg, &ps);
        platform::UniquePen pen(CreatePen(PS_SOLID, 1, kAccent));
        HGDIOBJ oldPen = SelectObject(dc, pen.get());
        HGDIOBJ oldBrush = SelectObject(dc, white.get());
        for (int id : kFrames) {
            HWND frame = GetDlgItem(dlg, id);
            if (!frame) continue;
            RECT r;
            GetWindowRect(frame, &r);
            MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        EndPaint(dlg, &ps);
    }

    // Returns the brush for WM_CTLCOLOR*, or null when not ours.
    INT_PTR colour(UINT msg, HDC dc) {
        if (msg == WM_CTLCOLORDLG) return reinterpret_cast<INT_PTR>(background.get());
        if (msg == WM_CTLCOLORSTATIC) {
            SetTextColor(dc, kAccent);
            SetBkColor(dc, kWhite);
            return reinterpret_cast<INT_PTR>(white.get());
        }
        return 0;
    }
};

struct CompressContext {
    CompressDialog* state;
    Look look;
};

bool g_cleaning = false;

void readLists(HWND dlg, CompressDialog& s) {
    const LRESULT level = SendDlgItemMessageW(dlg, IDC_ARC_LEVEL, CB_GETCURSEL, 0, 0);
    const LRESULT type = SendDlgItemMessageW(dlg, IDC_ARC_TYPE, CB_GETCURSEL, 0, 0);
    if (level >= 0) s.levelIndex = static_cast<int>(level);
    if (type >= 0) s.type = type == 1 ? ArchiveType::SevenZip : ArchiveType::Zip;
}

void showMode(HWND dlg, CompressContext& ctx) {
    HWND edit = GetDlgItem(dlg, IDC_ARC_NAME);
    CompressDialog& s = *ctx.state;
    CheckRadioButton(dlg, IDC_ARC_INDIVIDUAL, IDC_ARC_TOGETHER,
                     s.mode == CompressMode::AllTogether ? IDC_ARC_TOGETHER : IDC_ARC_INDIVIDUAL);
    g_cleaning = true;
    if (s.mode == CompressMode::AllTogether) {
        SetWindowTextW(edit, s.proposedName.c_str());
        EnableWindow(edit, TRUE);
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
    } else {
        SetWindowTextW(edit, archiveTexts(s.language).individualName);
        EnableWindow(edit, FALSE);
    }
    g_cleaning = false;
}

void cleanTypedName(HWND dlg, HWND edit) {
    if (g_cleaning) return;
    const std::wstring text = windowText(edit);
    const bool bad = hasInvalidArchiveNameChar(text);
    if (!bad && text.find(L'\t') == std::wstring::npos) return;
    g_cleaning = true;
    if (bad) MessageBoxW(dlg, kArchiveNameInvalid, kArchiveNameAttention, MB_OK | MB_ICONERROR);
    SetWindowTextW(edit, withoutInvalidArchiveNameChars(text).c_str());
    SendMessageW(edit, EM_SETSEL, 0, -1);
    g_cleaning = false;
}

INT_PTR CALLBACK compressProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (platform::endDialogOnCancel(dlg, msg, wp)) return TRUE;
    auto* ctx = reinterpret_cast<CompressContext*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        ctx = reinterpret_cast<CompressContext*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        CompressDialog& s = *ctx->state;
        const ArchiveTexts& t = archiveTexts(s.language);
        SetWindowTextW(dlg, t.compressTitle);
        ctx->look.apply(dlg);
        ctx->look.editFont.reset(CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH,
                                             L"MS Gothic"));
        if (ctx->look.editFont) {
            SendDlgItemMessageW(dlg, IDC_ARC_NAME, WM_SETFONT, reinterpret_cast<WPARAM>(ctx->look.editFont.get()), TRUE);
        }
        SetDlgItemTextW(dlg, IDC_ARC_MESSAGE, s.message.c_str());
        for (const wchar_t* level : t.levels) {
            SendDlgItemMessageW(dlg, IDC_ARC_LEVEL, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(level));
        }
        SendDlgItemMessageW(dlg, IDC_ARC_TYPE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"zip"));
        SendDlgItemMessageW(dlg, IDC_ARC_TYPE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"7z"));
        SendDlgItemMessageW(dlg, IDC_ARC_LEVEL, CB_SETCURSEL, static_cast<WPARAM>(s.levelIndex), 0);
        SendDlgItemMessageW(dlg, IDC_ARC_TYPE, CB_SETCURSEL, s.type == ArchiveType::SevenZip ? 1 : 0, 0);
        showMode(dlg, *ctx);
        return s.mode == CompressMode::AllTogether ? FALSE : TRUE;
    }
    case WM_PAINT:
        ctx->look.paintFrames(dlg);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return ctx ? ctx->look.colour(msg, reinterpret_cast<HDC>(wp)) : 0;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        CompressDialog& s = *ctx->state;
        if (id == IDC_ARC_NAME && HIWORD(wp) == EN_CHANGE) {
            cleanTypedName(dlg, GetDlgItem(dlg, IDC_ARC_NAME));
            return TRUE;
        }
        if ((id == IDC_ARC_INDIVIDUAL || id == IDC_ARC_TOGETHER) && HIWORD(wp) == BN_CLICKED) {
            readLists(dlg, s);
            s.mode = id == IDC_ARC_TOGETHER ? CompressMode::AllTogether : CompressMode::Individually;
            showMode(dlg, *ctx);
            return TRUE;
        }
        if (id == IDOK) {
            readLists(dlg, s);
            if (s.mode == CompressMode::AllTogether) {
                HWND edit = GetDlgItem(dlg, IDC_ARC_NAME);
                const NameDecision d = decideArchiveName(windowText(edit), s.type, s.proposedName);
                if (!d.accept) {
                    g_cleaning = true;
                    SetWindowTextW(edit, d.text.c_str());
                    g_cleaning = false;
                    SetFocus(edit);
                    SendMessageW(edit, EM_SETSEL, 0, -1);
                    return TRUE;
                }
                s.archiveName = d.text;
            }
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        return FALSE;
    }
    }
    return FALSE;
}

struct ExpandContext {
    ExpandDialog* state;
    Look look;
};

INT_PTR CALLBACK expandProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (platform::endDialogOnCancel(dlg, msg, wp)) return TRUE;
    auto* ctx = reinterpret_cast<ExpandContext*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        ctx = reinterpret_cast<ExpandContext*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        SetWindowTextW(dlg, archiveTexts(ctx->state->language).expandTitle);
        ctx->look.apply(dlg);
        SetDlgItemTextW(dlg, IDC_ARC_MESSAGE, ctx->state->message.c_str());
        CheckDlgButton(dlg, IDC_ARC_INTO_FOLDER, ctx->state->intoFolder ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    case WM_PAINT:
        ctx->look.paintFrames(dlg);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return ctx ? ctx->look.colour(msg, reinterpret_cast<HDC>(wp)) : 0;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) {
            ctx->state->intoFolder = IsDlgButtonChecked(dlg, IDC_ARC_INTO_FOLDER) == BST_CHECKED;
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

bool runCompressDialog(HWND owner, CompressDialog& dialog) {
    CompressContext ctx{&dialog, {}};
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_COMPRESS), owner, compressProc,
                           reinterpret_cast<LPARAM>(&ctx)) == IDOK;
}

bool runExpandDialog(HWND owner, ExpandDialog& dialog) {
    ExpandContext ctx{&dialog, {}};
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_EXPAND), owner, expandProc,
                           reinterpret_cast<LPARAM>(&ctx)) == IDOK;
}

}  // namespace tarvelo::archive::win
