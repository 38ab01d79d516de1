#pragma once
// Dragging files out of the list: an OLE data source offering the file-drop
// list, a drop source, and the drag itself. OLE must be initialised on the
// calling thread.
#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

namespace tarvelo::filelist::win {

// The registered "Preferred DropEffect" clipboard format.
CLIPFORMAT preferredDropEffectFormat();

// A data object offering CF_HDROP (the file-drop block of the paths, handed
// out as fixed, zero-initialised global memory) and "Preferred DropEffect"
// (a DWORD holding preferredEffect), both through HGLOBAL only. On success
// *out holds the only reference. E_INVALIDARG when no path is usable.
HRESULT createFileDataObject(const std::vector<std::wstring>& paths, DWORD preferredEffect,
                             IDataObject** out);

// A drop source: Esc cancels, releasing the left button drops, the default
// cursors show the effect. *out holds the only reference.
HRESULT createFileDropSource(IDropSource** out);

// Runs the platform's drag loop with the paths, allowing copy only, or copy,
// move and link when allowMoveAndLink is set. Returns the effect the target
// performed, DROPEFFECT_NONE when the drag was cancelled, nothing was
// dropped or there was nothing to drag.
DWORD runFileDrag(const std::vector<std::wstring>& paths, bool allowMoveAndLink);

// Data objects and drop sources of this file that are still alive (every
// reference released means 0).
long liveDragObjectCount();

}  // namespace tarvelo::filelist::win
