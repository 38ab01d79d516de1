#include "launch/win/folder_browser.h"

#include <commctrl.h>
#include <shlobj.h>

#include "platform/system_info.h"
#include "platform/unique_handle.h"
#include "shell/dpi_scale.h"

namespace tarvelo::launch::win {

namespace {

// Flags of the picker: file-system folders only, new dialog style.
constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;  // 0x41

// Check box rectangle at 96 DPI, in the picker's client coordinates.
constexpr int kBoxLeft = 20;
constexpr int kBoxTop = 35;
constexpr int kBoxWidth = 140;
constexpr int kBoxHeight = 25;

constexpr UINT_PTR kPickerSubclassId = 1;

struct PidlTraits {
    static PIDLIST_ABSOLUTE invalid() noexcept { return nullptr; }
    static bool valid(PIDLIST_ABSOLUTE p) noexcept { return p != nullptr; }
    static void close(PIDLIST_ABSOLUTE p) noexcept { ::CoTaskMemFree(p); }
};
using UniquePidl = platform::UniqueHandle<PIDLIST_ABSOLUTE, PidlTraits>;

// Some shells end a folder's path with a backslash; only a drive root keeps
// it, so that paths compare and join alike.
std::wstring withoutTrailingBackslash(std::wstring path) {
    const bool driveRoot = path.size() == 3 && path[1] == L':';
    if (path.size() > 1 && path.back() == L'\\' && !driveRoot) path.pop_back();
    return path;
}

// The file-system path of an item identifier, any length; empty when the item
// has none.
std::wstring pathOfIdList(PCIDLIST_ABSOLUTE pidl) {
    if (!pidl) return {};
    PWSTR name = nullptr;
    if (SUCCEEDED(::SHGetNameFromIDList(pidl, SIGDN_FILESYSPATH, &name)) && name) {
        std::wstring path(name);
        ::CoTaskMemFree(name);
        return withoutTrailingBackslash(std::move(path));
    }
    // Fallback for shells without the name call: grow the buffer until the
    // path fits.
    for (DWORD capacity = MAX_PATH; capacity <= 32768 * 2; capacity *= 2) {
        std::wstring buffer(capacity, L'\0');
        if (::SHGetPathFromIDListEx(pidl, buffer.data(), capacity, GPFIDL_DEFAULT)) {
            buffer.resize(wcsnlen(buffer.c_str(), capacity));
            return withoutTrailingBackslash(std::move(buffer));
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    }
    return {};
}

// While the picker's tree is still filling or refreshing, selecting the
// start folder can fail, or the selection can slip to a neighbour when the
// tree rebuilds a branch. Until the user touches the tree, the start folder
// is asked for again every this many ticks (about half a second), for up to
// half a minute.
constexpr int kReselectEveryTicks = 16;
constexpr int kReselectAttempts = 60;
constexpr UINT_PTR kTreeSubclassId = 2;

// State of one open picker.
struct BrowseSession {
    std::wstring initialFolder;
    bool offerSubFolders = false;
    bool searchSubFolders = false;
    HWND box = nullptr;
    std::wstring selected;  // the tree's current selection, as reported
    bool userActed = false;
    int reselectsLeft = kReselectAttempts;
    int ticks = 0;
};

bool sameFolderPath(const std::wstring& a, const std::wstring& b) {
    const std::wstring x = withoutTrailingBackslash(a);
    const std::wstring y = withoutTrailingBackslash(b);
    return ::CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size()),
                                  TRUE) == CSTR_EQUAL;
}

void reselectIfNeeded(HWND picker, BrowseSession& s) {
    if (s.userActed || s.reselectsLeft <= 0 || s.initialFolder.empty()) return;
    if (++s.ticks % kReselectEveryTicks != 0) return;
    --s.reselectsLeft;
    if (!s.selected.empty() && sameFolderPath(s.selected, s.initialFolder)) return;
    ::SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(s.initialFolder.c_str()));
}

// Notes the user's own clicks and keys in the tree, after which the picker
// never moves the selection again (its buttons count too, see below).
LRESULT CALLBACK treeSubclassProc(HWND tree, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR ref) {
    auto& s = *reinterpret_cast<BrowseSession*>(ref);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_CHAR:
        s.userActed = true;
        break;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(tree, treeSubclassProc, id);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(tree, msg, wParam, lParam);
}

BOOL CALLBACK watchTree(HWND child, LPARAM ref) {
    wchar_t cls[32] = {};
    ::GetClassNameW(child, cls, 32);
    if (::lstrcmpiW(cls, WC_TREEVIEWW) == 0) {
        ::SetWindowSubclass(child, treeSubclassProc, kTreeSubclassId, static_cast<DWORD_PTR>(ref));
        return FALSE;
    }
    return TRUE;
}

void readBox(BrowseSession& s) {
    if (s.box && s.offerSubFolders)
        s.searchSubFolders = ::SendMessageW(s.box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The picker arranges and repaints its own controls over the box; raising it
// again keeps it visible.
void raiseBox(HWND box) {
    ::SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::InvalidateRect(box, nullptr, TRUE);
}

LRESULT CALLBACK pickerSubclassProc(HWND picker, UINT msg, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR ref) {
    auto& s = *reinterpret_cast<BrowseSession*>(ref);
    switch (msg) {
    case WM_TIMER:
        if (wParam == kSubFolderTimerId) {
            readBox(s);
            if (s.box) raiseBox(s.box);
            reselectIfNeeded(picker, s);
            return 0;
        }
        break;
    case WM_COMMAND:
        // The box's own clicks: the picker has no control of this id.
        if (LOWORD(wParam) == kSubFolderCheckBoxId && s.box &&
            reinterpret_cast<HWND>(lParam) == s.box) {
            readBox(s);
            return 0;
        }
        // The picker's own buttons ("Make New Folder" selects what it makes).
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) s.userActed = true;
        break;
    case WM_DESTROY:
        // The last state counts even when the box was clicked after the
        // latest tick.
        readBox(s);
        ::KillTimer(picker, kSubFolderTimerId);
        if (s.box) {
            ::DestroyWindow(s.box);
            s.box = nullptr;
        }
        ::RemoveWindowSubclass(picker, pickerSubclassProc, id);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(picker, msg, wParam, lParam);
}

void addCheckBox(HWND picker, BrowseSession& s) {
    const int dpi = platform::windowDpi(picker);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
    if (!s.offerSubFolders) style |= WS_DISABLED;
    s.box = ::CreateWindowExW(0, WC_BUTTONW, kSubFolderCheckBoxText, style,
                              shell::scalePx(kBoxLeft, dpi), shell::scalePx(kBoxTop, dpi),
                              shell::scalePx(kBoxWidth, dpi), shell::scalePx(kBoxHeight, dpi), picker,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSubFolderCheckBoxId)),
                              ::GetModuleHandleW(nullptr), nullptr);
    if (!s.box) return;
    // The dialog's own font rather than the system font.
    if (auto font = ::SendMessageW(picker, WM_GETFONT, 0, 0)) ::SendMessageW(s.box, WM_SETFONT, font, FALSE);
    ::SendMessageW(s.box, BM_SETCHECK, s.searchSubFolders ? BST_CHECKED : BST_UNCHECKED, 0);
    raiseBox(s.box);
}

int CALLBACK browseCallback(HWND picker, UINT msg, LPARAM param, LPARAM data) {
    auto& s = *reinterpret_cast<BrowseSession*>(data);
    if (msg == BFFM_SELCHANGED) {
        s.selected = pathOfIdList(reinterpret_cast<PCIDLIST_ABSOLUTE>(param));
        return 0;
    }
    if (msg != BFFM_INITIALIZED) return 0;
    if (!s.initialFolder.empty())
        ::SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(s.initialFolder.c_str()));
    addCheckBox(picker, s);
    ::EnumChildWindows(picker, watchTree, reinterpret_cast<LPARAM>(&s));
    if (::SetWindowSubclass(picker, pickerSubclassProc, kPickerSubclassId, reinterpret_cast<DWORD_PTR>(&s)))
        ::SetTimer(picker, kSubFolderTimerId, kSubFolderTimerMs, nullptr);
    return 0;
}

}  // namespace

BrowseResult browseForFolder(HWND owner, const std::wstring& initialFolder, bool offerSubFolders,
                             shell::IniStore& settings) {
    BrowseSession session;
    session.initialFolder = initialFolder;
    session.offerSubFolders = offerSubFolders;
    session.searchSubFolders = settings.readInt(kFolderOptionSection, kSubFolderKey, 0) != 0;

    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = offerSubFolders ? kBrowseTitleWithSubFolders : kBrowseTitle;
    info.ulFlags = kBrowseFlags;
    info.lpfn = browseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&session);

    UniquePidl chosen(::SHBrowseForFolderW(&info));

    BrowseResult result;
    result.searchSubFolders = session.searchSubFolders;
    if (chosen) {
        result.path = pathOfIdList(chosen.get());
        if (!result.path.empty()) result.code = kBrowseChosen;
    }
    if (offerSubFolders)
        settings.writeInt(kFolderOptionSection, kSubFolderKey, session.searchSubFolders ? 1 : 0);
    return result;
}

std::wstring specialFolderPath(HWND owner, int csidl) {
    PIDLIST_ABSOLUTE raw = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(owner, csidl, &raw))) return {};
    UniquePidl pidl(raw);
    return pathOfIdList(pidl.get());
}

}  // namespace tarvelo::launch::win
