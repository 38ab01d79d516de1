#pragma once
// Writes test images through the WIC encoders: solid or patterned 32-bit
// pixels, one or more frames, in any container WIC can encode (PNG, BMP,
// GIF, TIFF, JPEG). The calling thread must have COM initialised.
#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarvelo::testing {

struct TestFrame {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, top row first
};

inline TestFrame solidFrame(uint32_t width, uint32_t height, uint32_t argb) {
    return TestFrame{width, height, std::vector<uint32_t>(size_t(width) * height, argb)};
}

// Encodes the frames into path with the container; false on any failure.
inline bool writeImage(const std::wstring& path, const GUID& container, const std::vector<TestFrame>& frames) {
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory)))) {
        return false;
    }
    bool ok = false;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    if (SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache))) {
        ok = true;
        for (const TestFrame& f : frames) {
            IWICBitmapFrameEncode* frame = nullptr;
            IPropertyBag2* options = nullptr;
            IWICBitmap* source = nullptr;
            std::vector<uint32_t> copy = f.pixels;
            const bool frameOk =
                SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) && SUCCEEDED(frame->Initialize(options)) &&
                SUCCEEDED(frame->SetSize(f.width, f.height)) &&
                SUCCEEDED(factory->CreateBitmapFromMemory(f.width, f.height, GUID_WICPixelFormat32bppBGRA,
                                                          f.width * 4, f.width * f.height * 4,
                                                          reinterpret_cast<BYTE*>(copy.data()), &source)) &&
                SUCCEEDED(frame->WriteSource(source, nullptr)) && SUCCEEDED(frame->Commit());
            if (source) source->Release();
            if (options) options->Release();
            if (frame) frame->Release();
            if (!frameOk) {
                ok = false;
                break;
            }
        }
        ok = ok && SUCCEEDED(encoder->Commit());
    }
    if (encoder) encoder->Release();
    if (stream) stream->Release();
    factory->Release();
    if (!ok) DeleteFileW(path.c_str());
    return ok;
}

inline std::vector<uint8_t> readBytes(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(h, &size) && size.QuadPart > 0 && size.QuadPart < (1 << 30)) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) || got != bytes.size()) {
            bytes.clear();
        }
    }
    CloseHandle(h);
    return bytes;
}

inline bool writeBytes(const std::wstring& path, const void* data, size_t size) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
    CloseHandle(h);
    return ok;
}

}  // namespace tarvelo::testing
