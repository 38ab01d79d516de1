#include "preview/archive_member_choice.h"

#include <cwchar>

#include "common/path_split.h"
#include "preview/preview_fit.h"

namespace tarvelo::preview {

namespace {

wchar_t upper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

bool equalsUpper(std::wstring_view text, std::wstring_view upperWord) {
    if (text.size() != upperWord.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (upper(text[i]) != upperWord[i]) return false;
    }
    return true;
}

// Windows opens these as devices whatever extension follows.
bool isDeviceStem(std::wstring_view stem) {
    while (!stem.empty() && (stem.back() == L' ' || stem.back() == L'.')) stem.remove_suffix(1);
    for (const wchar_t* word : {L"CON", L"PRN", L"AUX", L"NUL"}) {
        if (equalsUpper(stem, word)) return true;
    }
    if (stem.size() == 4 && (equalsUpper(stem.substr(0, 3), L"COM") || equalsUpper(stem.substr(0, 3), L"LPT")) &&
        stem[3] >= L'1' && stem[3] <= L'9') {
        return true;
    }
    return false;
}

}  // namespace

std::wstring memberBareName(std::wstring_view member) {
    const size_t cut = member.find_last_of(L"/\\");
    return std::wstring(cut == std::wstring_view::npos ? member : member.substr(cut + 1));
}

bool isImageMemberName(std::wstring_view member) {
    const std::wstring bare = memberBareName(member);
    const common::PathParts parts = common::splitPath(bare);
    if (bare.empty() || isDeviceStem(parts.stem)) return false;
    // Wildcards would make the library pick members by pattern.
    for (wchar_t c : bare) {
        if (c < 32 || std::wcschr(L"<>:\"|?*", c)) return false;
    }
    const int type = previewType(parts.extension);
    return type == 1 || type == 3;
}

int chooseArchiveMember(const std::vector<bool>& showable, int requested, int previous) {
    const int count = static_cast<int>(showable.size());
    if (count == 0) return -1;
    const int at = requested < 0 ? 0 : (requested >= count ? count - 1 : requested);
    if (showable[static_cast<size_t>(at)]) return at;
    auto firstFrom = [&](int from, int step) {
        for (int i = from; i >= 0 && i < count; i += step) {
            if (showable[static_cast<size_t>(i)]) return i;
        }
        return -1;
    };
    const int after = firstFrom(at + 1, 1);
    const int before = firstFrom(at - 1, -1);
    // A step lands on the next image that way, so Page Down never shows the
    // image it came from again; past the last one it stays on it.
    if (previous >= 0 && requested > previous) return after >= 0 ? after : before;
    if (previous >= 0 && requested < previous) return before >= 0 ? before : after;
    if (after < 0) return before;
    if (before < 0) return after;
    return at - before < after - at ? before : after;
}

std::wstring archiveTitleText(const std::wstring& archiveFileName, const std::wstring& member, int memberCount,
                              bool japanese) {
    // Member names come from the archive: sized to what they hold, never cut.
    std::wstring text(archiveFileName.size() + member.size() + 96, L'\0');
    const int n = japanese ? std::swprintf(text.data(), text.size(), L"%ls /  %ls  /  圧縮ファイル数: %d",
                                           archiveFileName.c_str(), member.c_str(), memberCount)
                           : std::swprintf(text.data(), text.size(), L"%ls /  %ls  /  Compressed Files: %d",
                                           archiveFileName.c_str(), member.c_str(), memberCount);
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

std::wstring expandedPreviewName(const std::wstring& archiveStem, std::wstring_view member) {
    return archiveStem + common::splitPath(memberBareName(member)).extension;
}

}  // namespace tarvelo::preview
