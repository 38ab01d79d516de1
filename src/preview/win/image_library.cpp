#include "preview/win/image_library.h"

#include <vector>

namespace tarvelo::preview::win {

namespace {

template <typename Fn>
bool bind(HMODULE module, const char* name, Fn& out) {
    out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return out != nullptr;
}

}  // namespace

void ImageLibrary::clear() {
    loadImage = nullptr;
    freeBitmap = nullptr;
    viewerCreate = nullptr;
    viewerDestroy = nullptr;
    viewerPan = nullptr;
    viewerZoom = nullptr;
    viewerRotate = nullptr;
    viewerDraw = nullptr;
    loaded_ = false;
}

bool ImageLibrary::load(const std::wstring& path) {
    unload();
    // No "cannot find the file" box from the system when it is missing.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    module_.reset(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    SetErrorMode(oldMode);
    if (!module_) return false;
    HMODULE m = module_.get();
    const bool all = bind(m, "Torvi32LoadImageToHBITMAP", loadImage) & bind(m, "Torvi32FreeHBITMAP", freeBitmap) &
                     bind(m, "Torvi32ViewerCreate", viewerCreate) & bind(m, "Torvi32ViewerDestroy", viewerDestroy) &
                     bind(m, "Torvi32ViewerPan", viewerPan) & bind(m, "Torvi32ViewerZoom", viewerZoom) &
                     bind(m, "Torvi32ViewerRotate", viewerRotate) & bind(m, "Torvi32ViewerDraw", viewerDraw);
    if (!all) {
        unload();
        return false;
    }
    loaded_ = true;
    return true;
}

void ImageLibrary::unload() {
    clear();
    module_.reset();
}

std::wstring imageLibraryPath() {
    std::vector<wchar_t> buffer(32768);
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    std::wstring exe(buffer.data(), n < buffer.size() ? n : 0);
    const size_t slash = exe.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : exe.substr(0, slash + 1)) + L"Torvi32.dll";
}

}  // namespace tarvelo::preview::win
