#include "filelist/win/drag_source.h"

#include <shlobj.h>

#include <atomic>
#include <cstdint>
#include <new>

#include "filelist/drop_files_block.h"
#include "filelist/win/com_object.h"
#include "platform/global_memory.h"

namespace tarvelo::filelist::win {

namespace {

std::atomic<long> liveObjects{0};

bool isHGlobalContent(const FORMATETC& f) {
    return (f.tymed & TYMED_HGLOBAL) != 0 && f.dwAspect == DVASPECT_CONTENT;
}

class FileDataObject final : public RefCounted<IDataObject, IID_IDataObject> {
public:
    FileDataObject(std::vector<std::uint8_t> block, DWORD preferredEffect)
        : block_(std::move(block)), preferredEffect_(preferredEffect) {
        ++liveObjects;
    }
    ~FileDataObject() { --liveObjects; }
    FileDataObject(const FileDataObject&) = delete;
    FileDataObject& operator=(const FileDataObject&) = delete;

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!format || !medium) return E_INVALIDARG;
        *medium = STGMEDIUM{};
        const HRESULT ok = QueryGetData(format);
        if (ok != S_OK) return ok;

        platform::UniqueGlobal block;
        if (format->cfFormat == CF_HDROP) {
            block = platform::copyToGlobal(block_.data(), block_.size(), GMEM_FIXED);
        } else {
            const DWORD effect = preferredEffect_;
            block = platform::copyToGlobal(&effect, sizeof effect, GMEM_MOVEABLE);
        }
        if (!block) return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block.release();  // the caller frees it with ReleaseStgMedium
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (!format) return E_INVALIDARG;
        if (format->cfFormat != CF_HDROP && format->cfFormat != preferredDropEffectFormat())
            return DV_E_FORMATETC;
        if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
        if (!isHGlobalContent(*format)) return DV_E_TYMED;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out) out->ptd = nullptr;
        return E_NOTIMPL;
    }

    // Targets may report back (performed effect, drop description); nothing
    // here needs it.
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC formats[2] = {
            {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
            {preferredDropEffectFormat(), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
        };
        return SHCreateStdEnumFmtEtc(2, formats, out);
    }

    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    std::vector<std::uint8_t> block_;
    DWORD preferredEffect_;
};

class FileDropSource final : public RefCounted<IDropSource, IID_IDropSource> {
public:
    FileDropSource() { ++liveObjects; }
    ~FileDropSource() { --liveObjects; }
    FileDropSource(const FileDropSource&) = delete;
    FileDropSource& operator=(const FileDropSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override {
        if (escapePressed) return DRAGDROP_S_CANCEL;
        if ((keyState & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

CLIPFORMAT preferredDropEffectFormat() {
    static const CLIPFORMAT format = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(CFSTR_PREFERREDDROPEFFECT));
    return format;
}

HRESULT createFileDataObject(const std::vector<std::wstring>& paths, DWORD preferredEffect,
                             IDataObject** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    std::vector<std::uint8_t> block = buildDropFilesBlock(paths);
    if (block.empty()) return E_INVALIDARG;
    *out = new (std::nothrow) FileDataObject(std::move(block), preferredEffect);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT createFileDropSource(IDropSource** out) {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) FileDropSource();
    return *out ? S_OK : E_OUTOFMEMORY;
}

DWORD runFileDrag(const std::vector<std::wstring>& paths, bool allowMoveAndLink) {
    ComRef<IDataObject> data;
    if (FAILED(createFileDataObject(paths, DROPEFFECT_COPY, data.put()))) return DROPEFFECT_NONE;
    ComRef<IDropSource> source;
    if (FAILED(createFileDropSource(source.put()))) return DROPEFFECT_NONE;

    const DWORD allowed =
        allowMoveAndLink ? (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK) : DROPEFFECT_COPY;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT hr = DoDragDrop(data.get(), source.get(), allowed, &effect);
    return hr == DRAGDROP_S_DROP ? (effect & allowed) : DROPEFFECT_NONE;
}

long liveDragObjectCount() { return liveObjects.load(); }

}  // namespace tarvelo::filelist::win
