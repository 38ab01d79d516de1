#include "platform/private_profile_store.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace tarvelo::platform {

PrivateProfileStore::PrivateProfileStore(std::wstring filePath) : filePath_(std::move(filePath)) {}

int PrivateProfileStore::readInt(std::wstring_view section, std::wstring_view key,
                                 int defaultValue) const {
    return static_cast<int>(GetPrivateProfileIntW(std::wstring(section).c_str(),
                                                  std::wstring(key).c_str(), defaultValue,
                                                  filePath_.c_str()));
}

std::wstring PrivateProfileStore::readString(std::wstring_view section, std::wstring_view key,
                                             std::wstring_view defaultValue) const {
    const std::wstring sectionText(section);
    const std::wstring keyText(key);
    const std::wstring defaultText(defaultValue);
    // The call reports a value cut to the buffer as size - 1 characters: grow
    // until the whole value fits.
    std::wstring buffer(512, L'\0');
    while (true) {
        const DWORD got = GetPrivateProfileStringW(sectionText.c_str(), keyText.c_str(),
                                                   defaultText.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()),
                                                   filePath_.c_str());
        if (got + 1 < buffer.size()) {
            buffer.resize(got);
            return buffer;
        }
        if (buffer.size() >= kMaxStringLength) return defaultText;
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

bool PrivateProfileStore::writeInt(std::wstring_view section, std::wstring_view key, int value) {
    return writeString(section, key, std::to_wstring(value));
}

bool PrivateProfileStore::writeString(std::wstring_view section, std::wstring_view key,
                                      std::wstring_view value) {
    if (!ensureUnicodeProfileFile(filePath_)) return false;
    return WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                      std::wstring(value).c_str(), filePath_.c_str()) != 0;
}

bool ensureUnicodeProfileFile(const std::wstring& filePath) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(filePath.c_str(), GetFileExInfoStandard, &data)) {
        if (data.nFileSizeHigh != 0 || data.nFileSizeLow != 0) return true;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return true;  // the write fails itself
    }
    // OPEN_ALWAYS: another copy of the program may create it at the same moment.
    UniqueKernelHandle file(CreateFileW(filePath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart != 0) return true;
    static const BYTE kByteOrderMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    return WriteFile(file.get(), kByteOrderMark, sizeof kByteOrderMark, &written, nullptr) &&
           written == sizeof kByteOrderMark;
}

}  // namespace tarvelo::platform
