#pragma once
// The decoder behind Torvi32LoadImageToHBITMAP.
#include <windows.h>

#include <stdint.h>

namespace torvi32 {

// True when a bitmap of this size may be decoded: both sides at least 1 and
// at most TORVI32_MAX_SIDE, and width x height x 4 bytes at most
// TORVI32_MAX_BYTES. Hostile files declare billions of pixels; refusing them
// before anything is allocated keeps a bad file from taking the memory.
bool decodableSize(uint32_t width, uint32_t height);

// The first frame as a 32-bit BGRA top-down DIB section, or null. Out values
// are written only on success.
HBITMAP decodeFirstFrame(const wchar_t* path, int32_t* width, int32_t* height);

}  // namespace torvi32
