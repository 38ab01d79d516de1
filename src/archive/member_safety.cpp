#include "archive/member_safety.h"

namespace tarvelo::archive {

namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

bool isSafeMemberName(std::wstring_view member) {
    if (member.empty() || isSeparator(member.front())) return false;
    if (member.find(L':') != std::wstring_view::npos) return false;
    size_t start = 0;
    while (start <= member.size()) {
        size_t end = start;
        while (end < member.size() && !isSeparator(member[end])) ++end;
        const std::wstring_view part = member.substr(start, end - start);
        // Windows drops trailing dots and spaces, so "..", "... " and ". ."
        // all climb: any part of only dots and spaces but a lone "." is refused.
        if (!part.empty() && part != L"." && part.find_first_not_of(L". ") == std::wstring_view::npos) return false;
        start = end + 1;
    }
    return true;
}

bool isFolderMember(std::wstring_view member) { return !member.empty() && isSeparator(member.back()); }

std::wstring memberTargetPath(std::wstring_view destination, std::wstring_view member) {
    std::wstring path(destination);
    if (!path.empty() && !isSeparator(path.back())) path += L'\\';
    for (wchar_t c : member) path += c == L'/' ? L'\\' : c;
    while (!path.empty() && path.back() == L'\\' && path.size() > destination.size()) path.pop_back();
    return path;
}

}  // namespace tarvelo::archive
