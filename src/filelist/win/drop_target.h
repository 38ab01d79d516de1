#pragma once
// Files dropped onto the list through the OLE drag loop. Programs that drag
// that way reach only a window with a registered drop target (on Windows the
// loop falls back to WM_DROPFILES, under Wine it does not), so the list
// registers one beside DragAcceptFiles. OLE must be initialised on the thread.
#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

namespace tarvelo::filelist::win {

class FileDropHandler {
public:
    virtual ~FileDropHandler() = default;
    // False while the window cannot take a drop (a command or its own drag runs).
    virtual bool acceptsDrops() = 0;
    // Called inside the source's drag loop: must return at once (the source
    // waits), so real work belongs in a posted message.
    virtual void filesDropped(std::vector<std::wstring> paths, POINT screen) = 0;
};

// A drop target taking CF_HDROP. It only ever answers DROPEFFECT_COPY, even
// when the user later chooses to move: a source told "moved" may delete its
// files before anything was copied. *out holds the only reference.
HRESULT createFileDropTarget(FileDropHandler& handler, IDropTarget** out);

// Registers a drop target for a window and revokes it once; the handler is
// cut off first, so a late call from another process finds nobody home.
class DropTargetRegistration {
public:
    DropTargetRegistration() = default;
    ~DropTargetRegistration() { revoke(); }
    DropTargetRegistration(const DropTargetRegistration&) = delete;
    DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;

    HRESULT attach(HWND window, FileDropHandler& handler);
    void revoke();

private:
    HWND window_ = nullptr;
    IDropTarget* target_ = nullptr;
};

}  // namespace tarvelo::filelist::win
