#include "wic_decoder.h"

#include <wincodec.h>

#include "com_ref.h"
#include "torvi32.h"

namespace torvi32 {

namespace {

// One factory for the life of the library, never released: it is created on
// first use and handed out with a reference per call.
IWICImagingFactory* g_factory = nullptr;

ComRef<IWICImagingFactory> factory() {
    IWICImagingFactory* current = static_cast<IWICImagingFactory*>(
        InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&g_factory), nullptr, nullptr));
    if (!current) {
        IWICImagingFactory* created = nullptr;
        if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(&created))) ||
            !created) {
            return ComRef<IWICImagingFactory>();
        }
        void* previous = InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&g_factory), created,
                                                           nullptr);
        if (previous) {
            created->Release();  // another caller won the race
            current = static_cast<IWICImagingFactory*>(previous);
        } else {
            current = created;
        }
    }
    current->AddRef();
    return ComRef<IWICImagingFactory>(current);
}

}  // namespace

bool decodableSize(uint32_t width, uint32_t height) {
    if (width == 0 || height == 0) return false;
    if (width > TORVI32_MAX_SIDE || height > TORVI32_MAX_SIDE) return false;
    return static_cast<uint64_t>(width) * height * 4u <= TORVI32_MAX_BYTES;
}

HBITMAP decodeFirstFrame(const wchar_t* path, int32_t* width, int32_t* height) {
    if (!path || !*path) return nullptr;
    ComRef<IWICImagingFactory> wic = factory();
    if (!wic) return nullptr;
    ComRef<IWICBitmapDecoder> decoder;
    if (FAILED(wic->CreateDecoderFromFilename(path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                              decoder.put())) ||
        !decoder) {
        return nullptr;
    }
    ComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.put())) || !frame) return nullptr;
    UINT w = 0;
    UINT h = 0;
    if (FAILED(frame->GetSize(&w, &h)) || !decodableSize(w, h)) return nullptr;
    ComRef<IWICFormatConverter> converter;
    if (FAILED(wic->CreateFormatConverter(converter.put())) || !converter) return nullptr;
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom))) {
        return nullptr;
    }
    // The converter must agree with the frame: a decoder that reports one
    // size and converts another would overrun the section.
    UINT cw = 0;
    UINT ch = 0;
    if (FAILED(converter->GetSize(&cw, &ch)) || cw != w || ch != h) return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(w);
    info.bmiHeader.biHeight = -static_cast<LONG>(h);  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    const UINT stride = w * 4u;
    const UINT size = stride * h;
    if (FAILED(converter->CopyPixels(nullptr, stride, size, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    if (width) *width = static_cast<int32_t>(w);
    if (height) *height = static_cast<int32_t>(h);
    return bitmap;
}

}  // namespace torvi32
