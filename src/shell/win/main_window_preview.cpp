// The image preview over the list: requests from the list input, the draw
// after a list paint, and the first input that hides it again.
#include "filelist/file_entry.h"
#include "resource_ids.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

namespace {

struct CursorEntry {
    std::wstring path;
    bool isFolder = false;
    bool isParent = false;
};

CursorEntry cursorEntry(MainWindowParts& p) {
    CursorEntry e;
    const int index = p.listPane.cursor.cursorIndex();
    if (!p.listing.isComplete() || index < 0 || index >= p.listing.count()) return e;
    const filelist::FileEntry& entry = p.listing.entryAt(index);
    e.path = std::wstring(entry.path());
    e.isParent = entry.kind < 0 || e.path.find(L"\\..") != std::wstring::npos;
    e.isFolder = entry.kind != 0;
    return e;
}

}  // namespace

void MainWindow::requestPreviewOfCursor(int memberIndex) {
    MainWindowParts& p = *parts_;
    CursorEntry e = cursorEntry(p);
    if (e.path.empty() || e.isFolder) return;
    p.preview.state().request(e.path, memberIndex);
    paintList();
}

void MainWindow::previewFollowCursor() {
    MainWindowParts& p = *parts_;
    if (!p.preview.state().mode()) return;
    CursorEntry e = cursorEntry(p);
    p.preview.state().cursorMoved(e.path, e.isFolder, e.isParent);
}

void MainWindow::runPendingPreview() {
    MainWindowParts& p = *parts_;
    if (p.preview.state().pending().empty()) return;
    preview::win::PreviewLook look;
    look.background = p.palette[Role::B0].value;
    look.stripFrom = p.palette[Role::D0].value;
    look.stripTo = p.palette[Role::D1].value;
    look.text = p.palette[Role::B3].value;
    look.titleFont = p.fonts.listFont();
    look.statusFont = p.fonts.smallFont();
    look.enlargeSmall = settings_.magnification != 0;
    look.japanese = context_.uiLanguage == UiLanguage::Japanese;
    filelist::win::ListPane& pane = p.listPane;
    p.preview.runPending(pane.buffer.dc(), pane.buffer.width(), pane.buffer.height(), look);
}

bool MainWindow::previewFilter(const MSG& msg) {
    MainWindowParts& p = *parts_;
    preview::PreviewState& state = p.preview.state();
    if (!state.showing()) {
        // With the player open, Esc in the main window closes the player
        // and does nothing else.
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && p.preview.mediaPlayerOpen()) {
            p.preview.closeMediaPlayer();
            return true;
        }
        return false;
    }
    preview::PreviewInput kind;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: kind = preview::PreviewInput::Key; break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: kind = preview::PreviewInput::MouseButton; break;
    case WM_MOUSEWHEEL: kind = preview::PreviewInput::Wheel; break;
    default: return false;
    }
    const bool consumed = state.firstInput(kind, static_cast<int>(msg.wParam));
    // The list comes back; a consumed Esc or Enter does nothing else.
    if (consumed) paintList();
    return consumed;
}

bool MainWindow::previewKey(const MSG& msg) {
    MainWindowParts& p = *parts_;
    if (!p.preview.state().mode()) return false;
    CursorEntry e = cursorEntry(p);
    if (e.isFolder) return false;
    if (!p.preview.state().pageKey(static_cast<int>(msg.wParam), e.path)) return false;
    paintList();
    return true;
}

}  // namespace tarvelo::shell::win
