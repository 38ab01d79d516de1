#include "preview/expansion_folder.h"

namespace tarvelo::preview {

namespace {

bool isLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

}  // namespace

std::wstring expansionFolderFor(const std::wstring& moduleFolder) {
    const std::wstring& f = moduleFolder;
    if (f.size() < 3 || f.back() != L'\\') return {};
    size_t rest = 0;
    if (isLetter(f[0]) && f[1] == L':' && f[2] == L'\\') {
        rest = 3;
    } else if (f.size() > 4 && f[0] == L'\\' && f[1] == L'\\' && f[2] != L'\\' && f[2] != L'?' && f[2] != L'.') {
        rest = 2;  // \\server\share\...
    } else {
        return {};
    }
    // Every part between backslashes must be a plain name.
    size_t start = rest;
    for (size_t i = rest; i < f.size(); ++i) {
        const wchar_t c = f[i];
        if (c < 32 || c == L'/' || c == L'*' || c == L'?' || c == L'"' || c == L'<' || c == L'>' || c == L'|' ||
            c == L':') {
            return {};
        }
        if (c != L'\\') continue;
        const std::wstring part = f.substr(start, i - start);
        if (part.empty() || part == L"." || part == L".." || part.back() == L' ' || part.back() == L'.') return {};
        start = i + 1;
    }
    if (rest == 2 && f.find(L'\\', 2) == f.size() - 1) return {};  // a server without a share
    return f + L"_expand_temp_\\";
}

}  // namespace tarvelo::preview
