#include "filelist/sort_keys.h"

#include <cstring>

#include "common/natural_compare.h"

namespace tarvelo::filelist {
namespace {

// printf-style pieces, written forward into `out`; each returns the new end.
wchar_t* putHex(wchar_t* out, uint32_t value, int minDigits) {
    wchar_t digits[8];
    int n = 0;
    do {
        const uint32_t d = value & 0xFu;
        digits[n++] = static_cast<wchar_t>(d < 10 ? L'0' + d : L'A' + (d - 10));
        value >>= 4;
    } while (value != 0);
    for (int i = n; i < minDigits; ++i) *out++ = L'0';
    while (n > 0) *out++ = digits[--n];
    return out;
}

wchar_t* putUnsigned(wchar_t* out, uint64_t value, int minDigits) {
    wchar_t digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = n; i < minDigits; ++i) *out++ = L'0';
    while (n > 0) *out++ = digits[--n];
    return out;
}

// "%0Nd": the sign counts towards the width.
wchar_t* putSigned(wchar_t* out, int32_t value, int width) {
    if (value >= 0) return putUnsigned(out, static_cast<uint64_t>(value), width);
    *out++ = L'-';
    return putUnsigned(out, static_cast<uint64_t>(-static_cast<int64_t>(value)), width - 1);
}

wchar_t* putStamp(wchar_t* out, const LocalStamp& s) {
    out = putSigned(out, s.year, 5);
    *out++ = L'-';
    out = putSigned(out, s.month, 2);
    *out++ = L'-';
    out = putSigned(out, s.day, 2);
    *out++ = L' ';
    out = putSigned(out, s.hour, 2);
    *out++ = L':';
    out = putSigned(out, s.minute, 2);
    *out++ = L':';
    return putSigned(out, s.second, 2);
}

size_t pathLength(const FileEntry& e) {
    size_t n = 0;
    while (n < kFullPathCapacity && e.fullPath[n] != L'\0') ++n;
    return n;
}

// The whole key of one side, for the rare comparisons the fast path cannot
// settle.
size_t materialize(const KeyedEntry& k, wchar_t* out) {
    std::memcpy(out, k.head, k.headLength * sizeof(wchar_t));
    std::memcpy(out + k.headLength, k.path, k.pathLength * sizeof(wchar_t));
    return k.headLength + k.pathLength;
}

int wholeCompare(const KeyedEntry& a, const KeyedEntry& b) {
    wchar_t bufA[kKeyHeadCapacity + kFullPathCapacity];
    wchar_t bufB[kKeyHeadCapacity + kFullPathCapacity];
    const size_t na = materialize(a, bufA);
    const size_t nb = materialize(b, bufB);
    return common::naturalCompare({bufA, na}, {bufB, nb});
}

}  // namespace

KeyContent keyContent(int column, ListView view) {
    static constexpr KeyContent kMulti[] = {KeyContent::Selection, KeyContent::Name,     KeyContent::Extension,
                                            KeyContent::Size,      KeyContent::Modified, KeyContent::Attributes};
    static constexpr KeyContent kThree[] = {KeyContent::Selection, KeyContent::Name,     KeyContent::Size,
                                            KeyContent::Created,   KeyContent::Modified, KeyContent::Accessed,
                                            KeyContent::Attributes};
    if (column < 0 || column > lastSortColumn(view)) return KeyContent::None;
    return view == ListView::MultiColumn ? kMulti[column] : kThree[column];
}

int lastSortColumn(ListView view) { return view == ListView::MultiColumn ? 5 : 6; }

uint32_t kindPrefix(int32_t kind, int sortMode) {
    if (sortMode == 0) return static_cast<uint32_t>(0xFFFF - static_cast<int64_t>(kind));
    if (kind == kKindParent) return 100;
    return static_cast<uint32_t>(static_cast<int64_t>(kind) + 10);
}

std::wstring_view extensionOf(std::wstring_view path) {
    const size_t sep = path.find_last_of(L"\\/");
    const size_t nameStart = sep == std::wstring_view::npos ? (path.size() >= 2 && path[1] == L':' ? 2 : 0)
                                                            : sep + 1;
    const size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring_view::npos || dot < nameStart) return {};
    return path.substr(dot);
}

size_t writeKeyHead(const FileEntry& e, KeyContent content, int sortMode, wchar_t* out) {
    if (content == KeyContent::None) return 0;
    wchar_t* p = putHex(out, kindPrefix(e.kind, sortMode), 4);
    *p++ = L' ';
    switch (content) {
        case KeyContent::None:
        case KeyContent::Name:
            return static_cast<size_t>(p - out);
        case KeyContent::Selection:
            p = putHex(p, e.selected, 4);
            break;
        case KeyContent::Extension: {
            const std::wstring_view ext = extensionOf({e.fullPath, pathLength(e)});
            for (wchar_t c : ext) *p++ = c;
            break;
        }
        case KeyContent::Size:
            p = putUnsigned(p, e.size, 15);
            break;
        case KeyContent::Created:
            p = putStamp(p, e.created);
            break;
        case KeyContent::Modified:
            p = putStamp(p, e.modified);
            break;
        case KeyContent::Accessed:
            p = putStamp(p, e.accessed);
            break;
        case KeyContent::Attributes:
            p = putHex(p, e.attributes, 4);
            break;
    }
    *p++ = L' ';
    return static_cast<size_t>(p - out);
}

std::wstring sortKeyText(const FileEntry& entry, KeyContent content, int sortMode) {
    if (content == KeyContent::None) return {};
    wchar_t head[kKeyHeadCapacity];
    const size_t n = writeKeyHead(entry, content, sortMode, head);
    std::wstring key(head, n);
    key.append(entry.fullPath, pathLength(entry));
    return key;
}

int compareKeyed(const KeyedEntry& a, const KeyedEntry& b, size_t sharedLength) {
    const std::wstring_view ha(a.head, a.headLength);
    const std::wstring_view hb(b.head, b.headLength);
    const common::NaturalPrefixResult r = common::naturalComparePrefix(ha, hb);
    if (r.order != 0) return r.order;
    // Both heads consumed token for token: the shared folder prefix follows
    // on both sides, so the paths' remainders decide.
    if (r.endA == ha.size() && r.endB == hb.size() && a.pathLength >= sharedLength &&
        b.pathLength >= sharedLength) {
        const std::wstring_view ta(a.path + sharedLength, a.pathLength - sharedLength);
        const std::wstring_view tb(b.path + sharedLength, b.pathLength - sharedLength);
        const common::NaturalPrefixResult t = common::naturalComparePrefix(ta, tb);
        if (t.order != 0) return t.order;
        if (t.endA < ta.size()) return 1;
        if (t.endB < tb.size()) return -1;
    }
    // Equal but for letter case or leading zeros, or heads of different
    // shape (an extension with a space): compare the whole texts.
    return wholeCompare(a, b);
}

}  // namespace tarvelo::filelist
