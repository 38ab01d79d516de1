// preview_4k_ms: a 4000 x 3000 JPEG decoded by Torvi32 and drawn fitted into
// an 800 x 600 list area, as Enter on it does; decode_4k_floor_ms: the bare
// WIC decode of the same file to 32-bit pixels in new memory, the floor
// under it (every decode of a new picture fills 48 MB it has not touched
// yet); decode_4k_warm_ms: the same decode into one buffer reused run after
// run, which skips the first touch of that memory and so lies below any
// real preview.
#include <objbase.h>
#include <objidl.h>
#include <gdiplus.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

#include "bench_util.h"
#include "platform/gdi_draw.h"
#include "preview/win/image_library.h"
#include "preview/win/image_preview.h"
#include "support/wic_images.h"

namespace tarvelo::bench {
namespace {

// Into `reused` when given, else into a buffer allocated for this decode.
double bareDecode(const std::wstring& path, std::vector<uint8_t>* reused) {
    const double start = nowMs();
    IWICImagingFactory* f = nullptr;
    IWICBitmapDecoder* d = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* c = nullptr;
    UINT w = 0, h = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&f))) &&
        SUCCEEDED(f->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                               &d)) &&
        SUCCEEDED(d->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&w, &h)) &&
        SUCCEEDED(f->CreateFormatConverter(&c)) &&
        SUCCEEDED(c->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom))) {
        const size_t size = size_t(w) * h * 4;
        std::unique_ptr<uint8_t[]> fresh;
        uint8_t* bits = nullptr;
        if (reused) {
            reused->resize(size);
            bits = reused->data();
        } else {
            fresh.reset(new (std::nothrow) uint8_t[size]);  // not zeroed: the decoder writes it once
            bits = fresh.get();
        }
        if (bits) c->CopyPixels(nullptr, w * 4, UINT(size), bits);
    }
    for (IUnknown* u : std::initializer_list<IUnknown*>{c, frame, d, f}) if (u) u->Release();
    return nowMs() - start;
}

void runPreviewBench(const Report& report) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    wchar_t tmp[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, tmp);
    const std::wstring path = std::wstring(tmp, n) + L"tarvelo_bench_4k.jpg";
    testing::TestFrame frame{4000, 3000, {}};
    frame.pixels.resize(size_t(4000) * 3000);
    for (uint32_t y = 0; y < 3000; ++y)
        for (uint32_t x = 0; x < 4000; ++x)
            frame.pixels[size_t(y) * 4000 + x] = 0xFF000000u | ((x * 255 / 4000) << 16) | ((y * 255 / 3000) << 8) | ((x ^ y) & 0xFF);
    preview::win::ImageLibrary lib;
    if (!testing::writeImage(path, GUID_ContainerFormatJpeg, {frame}) || !lib.load(preview::win::imageLibraryPath())) {
        std::fprintf(stderr, "preview bench: no JPEG encoder or no Torvi32.dll\n");
        return;
    }
    platform::BackBuffer buffer;
    buffer.resize(800, 600);
    preview::win::PreviewLook look;
    look.background = 0x261C0F;
    look.stripFrom = 0x32281B;
    look.stripTo = 0x22180B;
    look.text = 0xF2F2F2;
    const int runs = std::max(1, std::atoi(option("runs", "5").c_str()));
    std::vector<double> floorMs, warmMs, previewMs;
    std::vector<uint8_t> pixels;
    for (int i = 0; i < runs; ++i) {
        // Side by side, alternating, so all see the same machine load.
        floorMs.push_back(bareDecode(path, nullptr));
        warmMs.push_back(bareDecode(path, &pixels));
        const double start = nowMs();
        preview::win::drawImagePreview(buffer.dc(), 800, 600, path, L"tarvelo_bench_4k.jpg", &lib, look);
        previewMs.push_back(nowMs() - start);
    }
    const double p = median(previewMs);
    const double f = median(floorMs);
    report("preview_4k_ms", p);
    report("decode_4k_floor_ms", f);
    report("decode_4k_warm_ms", median(warmMs));
    report("preview_4k_ratio", f > 0 ? p / f : 0);
    report("preview_4k_warm_ratio", median(warmMs) > 0 ? p / median(warmMs) : 0);
    DeleteFileW(path.c_str());
    lib.unload();
    Gdiplus::GdiplusShutdown(token);
    CoUninitialize();
}

GroupRegistration previewGroup("preview", runPreviewBench);

}  // namespace
}  // namespace tarvelo::bench
