#include "filelist/win/drop_target.h"

#include <new>

#include "filelist/win/com_object.h"
#include "filelist/win/dropped_files.h"

namespace tarvelo::filelist::win {

namespace {

FORMATETC fileDropFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

class FileDropTarget final : public RefCounted<IDropTarget, IID_IDropTarget> {
public:
    explicit FileDropTarget(FileDropHandler& handler) : handler_(&handler) {}
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    void detach() { handler_ = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        FORMATETC format = fileDropFormat();
        accepted_ = handler_ && data && data->QueryGetData(&format) == S_OK && handler_->acceptsDrops();
        *effect = answer(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        *effect = answer(*effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        accepted_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override {
        if (!effect) return E_INVALIDARG;
        const DWORD allowed = *effect;
        *effect = DROPEFFECT_NONE;
        const bool wasAccepted = accepted_;
        accepted_ = false;
        // The state may have changed since the pointer came in.
        if (!wasAccepted || !handler_ || !data || answerFor(allowed) == DROPEFFECT_NONE || !handler_->acceptsDrops())
            return S_OK;
        FORMATETC format = fileDropFormat();
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) != S_OK) return S_OK;
        DroppedFiles dropped;
        if (medium.tymed == TYMED_HGLOBAL) dropped = readDroppedFiles(static_cast<HDROP>(medium.hGlobal));
        ReleaseStgMedium(&medium);
        if (dropped.paths.empty()) return S_OK;
        handler_->filesDropped(std::move(dropped.paths), POINT{point.x, point.y});
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }

private:
    static DWORD answerFor(DWORD allowed) { return (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE; }
    DWORD answer(DWORD allowed) const { return accepted_ ? answerFor(allowed) : DROPEFFECT_NONE; }

    FileDropHandler* handler_;
    bool accepted_ = false;
};

}  // namespace

HRESULT createFileDropTarget(FileDropHandler& handler, IDropTarget** out) {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) FileDropTarget(handler);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT DropTargetRegistration::attach(HWND window, FileDropHandler& handler) {
    revoke();
    IDropTarget* target = nullptr;
    HRESULT hr = createFileDropTarget(handler, &target);
    if (FAILED(hr)) return hr;
    hr = RegisterDragDrop(window, target);
    if (FAILED(hr)) {
        target->Release();
        return hr;
    }
    window_ = window;
    target_ = target;
    return S_OK;
}

void DropTargetRegistration::revoke() {
    if (!target_) return;
    static_cast<FileDropTarget*>(target_)->detach();
    if (IsWindow(window_)) RevokeDragDrop(window_);
    target_->Release();
    target_ = nullptr;
    window_ = nullptr;
}

}  // namespace tarvelo::filelist::win
