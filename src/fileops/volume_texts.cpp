#include "fileops/volume_texts.h"

#include <cwchar>

namespace tarvelo::fileops {

std::wstring capacityText(int64_t n) {
    wchar_t buf[64];
    if (n < 10000) {
        std::swprintf(buf, 64, L"%lld Byte", static_cast<long long>(n));
    } else if (n <= 1073741824LL) {
        std::swprintf(buf, 64, L"%4.2f MB", static_cast<double>(n) / 1048576.0);
    } else {
        const double g = static_cast<double>(n) / 1073741824.0;
        if (g <= 1024.0) std::swprintf(buf, 64, L"%4.2f GB", g);
        else std::swprintf(buf, 64, L"%4.2f TB", g / 1024.0);
    }
    return buf;
}

std::wstring driveName(std::wstring_view root) {
    std::wstring out(root);
    const size_t at = out.find(L":\\");
    if (at != std::wstring::npos) out.replace(at, 2, L":");
    return out;
}

std::wstring driveLine(std::wstring_view root, std::wstring_view label, std::wstring_view fileSystem,
                       int64_t capacity) {
    return L"[" + driveName(root) + L"]  " + std::wstring(label) + L"  (" + std::wstring(fileSystem) + L" / " +
           capacityText(capacity) + L")";
}

}  // namespace tarvelo::fileops
