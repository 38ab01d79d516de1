#include "launch/win/ext_app_editor.h"

#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <vector>

#include "fileops/win/name_dialogs.h"
#include "launch/ext_app_editor_rows.h"
#include "launch/launch_texts.h"
#include "platform/unique_handle.h"
#include "resource_ids.h"

namespace tarvelo::launch::win {

namespace {

constexpr COLORREF kNumberColour = 0x808080;
constexpr COLORREF kExtensionColour = 0x983200;
constexpr int kRowHeight = 18;
constexpr UINT_PTR kListSubclass = 1;

// How a control follows the dialog's size.
enum Anchor : unsigned {
    kStretchWidth = 1,
    kStretchHeight = 2,
    kFollowBottom = 4,
    kFollowRight = 8,
};

struct Placed {
    int id;
    unsigned anchor;
    RECT initial{};
};

struct EditorContext {
    const ExtAppEditorState* state = nullptr;
    const LaunchTexts* texts = nullptr;
    ExtAppEditorRows rows;
    int selected = -1;
    SIZE initialClient{};
    SIZE minimumWindow{};
    std::vector<Placed> placed;
};

std::wstring controlText(HWND control) {
    const int n = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(control, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

HWND listOf(HWND dialog) { return GetDlgItem(dialog, IDC_EXTAPP_LIST); }

void showRow(HWND list, const ExtAppEditorRows& rows, int index) {
    std::wstring extensions = rows.row(index).extensions;
    std::wstring program = rows.row(index).program;
    ListView_SetItemText(list, index, 1, extensions.data());
    ListView_SetItemText(list, index, 2, program.data());
}

void selectRow(HWND list, int index) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, index, FALSE);
}

void fillList(HWND dialog, EditorContext& ctx) {
    HWND list = listOf(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    ListView_SetBkColor(list, RGB(255, 255, 255));
    ListView_SetTextBkColor(list, RGB(255, 255, 255));
    ListView_SetTextColor(list, RGB(0, 0, 0));
    // A one-pixel-wide image list sets the row height; the list (without
    // LVS_SHAREIMAGELISTS) owns it and destroys it with itself.
    ListView_SetImageList(list, ImageList_Create(1, kRowHeight, ILC_COLOR24, 1, 0), LVSIL_SMALL);

    const wchar_t* headers[] = {ctx.texts->numberColumn, ctx.texts->extensionsColumn, ctx.texts->programColumn};
    const int widths[] = {44, 200, 360};
    for (int c = 0; c < 3; ++c) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        col.pszText = const_cast<wchar_t*>(headers[c]);
        col.cx = widths[c];
        col.iSubItem = c;
        ListView_InsertColumn(list, c, &col);
    }
    for (int i = 0; i < kExtAppRows; ++i) {
        std::wstring number = ExtAppEditorRows::number(i);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = number.data();
        ListView_InsertItem(list, &item);
        showRow(list, ctx.rows, i);
    }
}

void onSelected(HWND dialog, EditorContext& ctx, int index) {
    ctx.selected = index;
    const ExtAppEntry& row = ctx.rows.row(index);
    SetDlgItemTextW(dialog, IDC_EXTAPP_EXTENSIONS, row.extensions.c_str());
    SetDlgItemTextW(dialog, IDC_EXTAPP_PROGRAM, row.program.c_str());
    SetDlgItemTextW(dialog, IDC_EXTAPP_REGIST, registButtonText(ctx.state->language, index).c_str());
}

void regist(HWND dialog, EditorContext& ctx) {
    if (ctx.selected < 0) return;
    const std::wstring extensions = controlText(GetDlgItem(dialog, IDC_EXTAPP_EXTENSIONS));
    const std::wstring program = controlText(GetDlgItem(dialog, IDC_EXTAPP_PROGRAM));
    if (!ctx.rows.regist(ctx.selected, extensions, program)) return;
    showRow(listOf(dialog), ctx.rows, ctx.selected);
}

void refer(HWND dialog, EditorContext& ctx) {
    std::wstring file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = ctx.texts->referFilter;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = ctx.state->initialFolder.empty() ? nullptr : ctx.state->initialFolder.c_str();
    ofn.lpstrTitle = ctx.texts->referTitle;
    ofn.lpstrDefExt = L"exe";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&ofn)) return;
    file.resize(wcslen(file.c_str()));
    SetDlgItemTextW(dialog, IDC_EXTAPP_PROGRAM, file.c_str());
}

void rowCommand(HWND dialog, EditorContext& ctx, int command) {
    const int index = ctx.selected;
    if (index < 0) return;
    HWND list = listOf(dialog);
    if (command == IDM_EXTAPP_REMOVE) {
        if (ctx.rows.isEmpty(index)) return;
        const std::wstring question = removeRowQuestion(ctx.state->language, index);
        if (MessageBoxW(dialog, question.c_str(), ctx.texts->editorCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
            return;
        }
        ctx.rows.clear(index);
        showRow(list, ctx.rows, index);
        onSelected(dialog, ctx, index);
        return;
    }
    const bool up = command == IDM_EXTAPP_MOVE_UP;
    if (!(up ? ctx.rows.moveUp(index) : ctx.rows.moveDown(index))) return;
    const int other = up ? index - 1 : index + 1;
    showRow(list, ctx.rows, index);
    showRow(list, ctx.rows, other);
    // The selection follows the moved contents.
    selectRow(list, other);
}

void showRowMenu(HWND dialog, EditorContext& ctx, POINT at) {
    const platform::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuW(menu.get(), MF_STRING, IDM_EXTAPP_MOVE_UP, ctx.texts->moveUp);
    AppendMenuW(menu.get(), MF_STRING, IDM_EXTAPP_MOVE_DOWN, ctx.texts->moveDown);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING, IDM_EXTAPP_REMOVE, ctx.texts->remove);
    const int chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, dialog, nullptr);
    if (chosen != 0) rowCommand(dialog, ctx, chosen);
}

// Ctrl+Up, Ctrl+Down and Delete in the list are the row commands; the
// list's own handling of those keys is skipped.
LRESULT CALLBACK listKeys(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_KEYDOWN) {
        const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
        int command = 0;
        if (wp == VK_UP && ctrl) command = IDM_EXTAPP_MOVE_UP;
        if (wp == VK_DOWN && ctrl) command = IDM_EXTAPP_MOVE_DOWN;
        if (wp == VK_DELETE) command = IDM_EXTAPP_REMOVE;
        if (command != 0) {
            // Auto-repeat must not queue moves beyond what the user sees.
            MSG pending;
            while (PeekMessageW(&pending, list, WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) {
            }
            SendMessageW(GetParent(list), WM_COMMAND, static_cast<WPARAM>(command), 0);
            return 0;
        }
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(list, listKeys, kListSubclass);
    return DefSubclassProc(list, msg, wp, lp);
}

void rememberLayout(HWND dialog, EditorContext& ctx) {
    RECT client;
    GetClientRect(dialog, &client);
    ctx.initialClient = {client.right, client.bottom};
    RECT window;
    GetWindowRect(dialog, &window);
    ctx.minimumWindow = {window.right - window.left, window.bottom - window.top};
    ctx.placed = {
        {IDC_EXTAPP_LIST, kStretchWidth | kStretchHeight},
        {IDC_EXTAPP_EXT_GROUP, kStretchWidth | kFollowBottom},
        {IDC_EXTAPP_EXTENSIONS, kStretchWidth | kFollowBottom},
        {IDC_EXTAPP_PROG_GROUP, kStretchWidth | kFollowBottom},
        {IDC_EXTAPP_PROGRAM, kStretchWidth | kFollowBottom},
        {IDC_EXTAPP_REFER, kFollowRight | kFollowBottom},
        {IDC_EXTAPP_REGIST, kFollowBottom},
        {IDOK, kFollowRight | kFollowBottom},
        {IDCANCEL, kFollowRight | kFollowBottom},
    };
    for (Placed& p : ctx.placed) {
        HWND control = GetDlgItem(dialog, p.id);
        GetWindowRect(control, &p.initial);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&p.initial), 2);
    }
}

// The program column takes the rest of the list's width.
void fitProgramColumn(HWND list) {
    RECT client;
    GetClientRect(list, &client);
    const int rest = client.right - ListView_GetColumnWidth(list, 0) - ListView_GetColumnWidth(list, 1);
    if (rest > 60) ListView_SetColumnWidth(list, 2, rest);
}

void relayout(HWND dialog, const EditorContext& ctx, int width, int height) {
    const int dx = width - ctx.initialClient.cx;
    const int dy = height - ctx.initialClient.cy;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(ctx.placed.size()));
    for (const Placed& p : ctx.placed) {
        RECT r = p.initial;
        if (p.anchor & kFollowRight) OffsetRect(&r, dx, 0);
        if (p.anchor & kFollowBottom) OffsetRect(&r, 0, dy);
        if (p.anchor & kStretchWidth) r.right += dx;
        if (p.anchor & kStretchHeight) r.bottom += dy;
        HWND control = GetDlgItem(dialog, p.id);
        if (batch) {
            batch = DeferWindowPos(batch, control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch) EndDeferWindowPos(batch);
    fitProgramColumn(listOf(dialog));
    InvalidateRect(dialog, nullptr, TRUE);
}

LRESULT customDraw(const NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        auto& d = const_cast<NMLVCUSTOMDRAW&>(draw);
        d.clrText = d.iSubItem == 0 ? kNumberColour : d.iSubItem == 1 ? kExtensionColour : RGB(0, 0, 0);
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

INT_PTR answer(HWND dialog, LRESULT result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK editorProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    auto* ctx = reinterpret_cast<EditorContext*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG: {
        ctx = reinterpret_cast<EditorContext*>(lp);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(ctx));
        SetWindowTextW(dialog, ctx->texts->editorCaption);
        SetDlgItemTextW(dialog, IDC_EXTAPP_REGIST, ctx->texts->regist);
        fillList(dialog, *ctx);
        SetWindowSubclass(listOf(dialog), listKeys, kListSubclass, 0);
        rememberLayout(dialog, *ctx);
        fitProgramColumn(listOf(dialog));
        return TRUE;
    }
    case WM_GETMINMAXINFO:
        if (ctx && ctx->minimumWindow.cx > 0) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lp);
            info->ptMinTrackSize = {ctx->minimumWindow.cx, ctx->minimumWindow.cy};
        }
        return TRUE;
    case WM_SIZE:
        if (ctx && !ctx->placed.empty() && wp != SIZE_MINIMIZED) relayout(dialog, *ctx, LOWORD(lp), HIWORD(lp));
        return TRUE;
    case WM_NOTIFY: {
        if (!ctx) break;
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->idFrom != IDC_EXTAPP_LIST) break;
        if (header->code == NM_CUSTOMDRAW) return answer(dialog, customDraw(*reinterpret_cast<const NMLVCUSTOMDRAW*>(lp)));
        if (header->code == LVN_ITEMCHANGED) {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lp);
            if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
                !(change->uOldState & LVIS_SELECTED)) {
                onSelected(dialog, *ctx, change->iItem);
            }
            return TRUE;
        }
        if (header->code == NM_RCLICK) {
            POINT at;
            GetCursorPos(&at);
            showRowMenu(dialog, *ctx, at);
            return TRUE;
        }
        break;
    }
    case WM_COMMAND: {
        if (!ctx) break;
        const int id = LOWORD(wp);
        switch (id) {
        case IDC_EXTAPP_EXTENSIONS:
            if (HIWORD(wp) == EN_CHANGE) {
                fileops::win::checkTypedName(dialog, GetDlgItem(dialog, id), ctx->state->language);
            }
            return TRUE;
        case IDC_EXTAPP_REGIST:
            regist(dialog, *ctx);
            return TRUE;
        case IDC_EXTAPP_REFER:
            refer(dialog, *ctx);
            return TRUE;
        case IDM_EXTAPP_MOVE_UP:
        case IDM_EXTAPP_MOVE_DOWN:
        case IDM_EXTAPP_REMOVE:
            rowCommand(dialog, *ctx, id);
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, id);
            return TRUE;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return FALSE;
}

}  // namespace

bool runExtAppEditor(HWND owner, HINSTANCE instance, shell::SectionFileStore& store, const ExtAppEditorState& state) {
    EditorContext ctx;
    ctx.state = &state;
    ctx.texts = &launchTexts(state.language);
    // From the file, not from memory: the rows as they are stored now.
    std::vector<std::wstring> keys;
    for (int row = 0; row < kExtAppRows; ++row) keys.push_back(extAppKey(row));
    shell::SectionValues stored = store.readMany(kExtAppDataSection, keys);
    std::array<std::wstring, kExtAppRows> values;
    for (int row = 0; row < kExtAppRows; ++row) values[static_cast<size_t>(row)] = std::move(stored.values[static_cast<size_t>(row)]);
    ctx.rows.load(values);

    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_EXT_APP_EDITOR), owner, editorProc,
                                           reinterpret_cast<LPARAM>(&ctx));
    if (result != IDOK) return false;
    const std::array<std::wstring, kExtAppRows> written = ctx.rows.written();
    std::vector<shell::SectionFileStore::KeyValue> pairs;
    for (int row = 0; row < kExtAppRows; ++row) pairs.push_back({extAppKey(row), written[static_cast<size_t>(row)]});
    return store.writeMany(kExtAppDataSection, pairs);
}

}  // namespace tarvelo::launch::win
