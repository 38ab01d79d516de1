#include "filelist/sort_keys.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

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

// The whole key of one side, for the rare comparisons the fast paths
// cannot settle.
size_t materialize(const KeyedEntry& k, std::wstring_view shared, wchar_t* out) {
    std::memcpy(out, k.text, k.headLength * sizeof(wchar_t));
    if (!shared.empty()) std::memcpy(out + k.headLength, shared.data(), shared.size() * sizeof(wchar_t));
    std::memcpy(out + k.headLength + shared.size(), k.tailText, k.tailLength * sizeof(wchar_t));
    return k.headLength + shared.size() + k.tailLength;
}

int wholeCompare(const KeyedEntry& a, const KeyedEntry& b, std::wstring_view shared) {
    wchar_t bufA[kKeyHeadCapacity + kFullPathCapacity];
    wchar_t bufB[kKeyHeadCapacity + kFullPathCapacity];
    const size_t na = materialize(a, shared, bufA);
    const size_t nb = materialize(b, shared, bufB);
    return common::naturalCompare({bufA, na}, {bufB, nb});
}

int compareSummarised(const KeyedEntry& a, const KeyedEntry& b, std::wstring_view shared) {
    if (a.headRank != b.headRank) return a.headRank < b.headRank ? -1 : 1;
    if (a.headValue != b.headValue) return a.headValue < b.headValue ? -1 : 1;
    if (const int t = common::NaturalSummary::compare(a.tail, b.tail)) return t;
    // Equal heads: the tails decide, then the whole texts' code units.
    const std::wstring_view ta(a.tailText, a.tailLength);
    const std::wstring_view tb(b.tailText, b.tailLength);
    const common::NaturalPrefixResult r = common::naturalComparePrefix(ta, tb);
    if (r.order != 0) return r.order;
    if (r.endA < ta.size()) return 1;
    if (r.endB < tb.size()) return -1;
    return wholeCompare(a, b, shared);
}

wchar_t* putPrefixText(wchar_t* out, uint32_t prefix) { return putHex(out, prefix, 4); }

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
            const std::wstring_view ext = extensionOf(e.path());
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
    key.append(entry.path());
    return key;
}

int compareKeyed(const KeyedEntry& a, const KeyedEntry& b, std::wstring_view shared) {
    const std::wstring_view ha(a.text, a.headLength);
    const std::wstring_view hb(b.text, b.headLength);
    const common::NaturalPrefixResult r = common::naturalComparePrefix(ha, hb);
    if (r.order != 0) return r.order;
    // Both heads consumed token for token: the shared folder prefix follows
    // on both sides, so the tails decide.
    if (r.endA == ha.size() && r.endB == hb.size()) {
        const std::wstring_view ta(a.tailText, a.tailLength);
        const std::wstring_view tb(b.tailText, b.tailLength);
        const common::NaturalPrefixResult t = common::naturalComparePrefix(ta, tb);
        if (t.order != 0) return t.order;
        if (t.endA < ta.size()) return 1;
        if (t.endB < tb.size()) return -1;
    }
    // Equal but for letter case or leading zeros, or heads of different
    // shape (an extension with a space): compare the whole texts.
    return wholeCompare(a, b, shared);
}

bool HeadSummary::lookup(const std::vector<std::pair<uint32_t, uint32_t>>& ranks, uint32_t value,
                         uint32_t& rank) {
    for (const auto& [v, r] : ranks) {
        if (v == value) {
            rank = r;
            return true;
        }
    }
    return false;
}

bool HeadSummary::rankTexts(std::vector<std::pair<uint32_t, std::wstring>>& texts,
                            std::vector<std::pair<uint32_t, uint32_t>>& ranks) {
    std::sort(texts.begin(), texts.end(),
              [](const auto& x, const auto& y) { return common::naturalCompare(x.second, y.second) < 0; });
    // Ranks stand for the texts only when no text (each followed by the
    // separating space) is a natural prefix of another. Texts equal but for
    // letter case or leading zeros share a rank: the tails and then the
    // whole keys decide between them.
    uint32_t rank = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) {
            const common::NaturalPrefixResult r = common::naturalComparePrefix(texts[i].second, texts[j].second);
            if (r.order == 0 && (r.endA != texts[i].second.size() || r.endB != texts[j].second.size())) return false;
        }
        if (i > 0 && common::naturalComparePrefix(texts[i - 1].second, texts[i].second).order != 0) ++rank;
        ranks.emplace_back(texts[i].first, rank);
    }
    return true;
}

bool HeadSummary::prepare(const FileEntry* entries, int count, KeyContent content, int sortMode) {
    constexpr size_t kMaxDistinct = 64;
    content_ = content;
    sortMode_ = sortMode;
    prefixRanks_.clear();
    attributeRanks_.clear();
    extensionRanks_.clear();
    if (content == KeyContent::None) return false;
    std::vector<uint32_t> prefixes;
    std::vector<uint32_t> attributes;
    for (int i = 0; i < count; ++i) {
        const uint32_t p = kindPrefix(entries[i].kind, sortMode);
        if (std::find(prefixes.begin(), prefixes.end(), p) == prefixes.end()) {
            if (prefixes.size() == kMaxDistinct) return false;
            prefixes.push_back(p);
        }
        if (content == KeyContent::Attributes &&
            std::find(attributes.begin(), attributes.end(), entries[i].attributes) == attributes.end()) {
            if (attributes.size() == kMaxDistinct) return false;
            attributes.push_back(entries[i].attributes);
        }
    }
    auto asTexts = [](const std::vector<uint32_t>& values) {
        std::vector<std::pair<uint32_t, std::wstring>> texts;
        for (uint32_t v : values) {
            wchar_t buffer[16];
            wchar_t* end = putPrefixText(buffer, v);
            *end++ = L' ';
            texts.emplace_back(v, std::wstring(buffer, end));
        }
        return texts;
    };
    auto prefixTexts = asTexts(prefixes);
    if (!rankTexts(prefixTexts, prefixRanks_)) return false;
    auto attributeTexts = asTexts(attributes);
    if (!rankTexts(attributeTexts, attributeRanks_)) return false;
    if (content != KeyContent::Extension) return true;
    // Extensions: a few hundred distinct texts at most in real folders.
    constexpr size_t kMaxExtensions = 512;
    std::vector<std::pair<uint32_t, std::wstring>> extensions;
    for (int i = 0; i < count; ++i) {
        const std::wstring_view ext = extensionOf(entries[i].path());
        if (extensionRanks_.find(ext) != extensionRanks_.end()) continue;
        if (extensions.size() == kMaxExtensions) return false;
        extensionRanks_.emplace(std::wstring(ext), 0);
        extensions.emplace_back(0, std::wstring(ext) + L' ');
    }
    std::vector<std::pair<uint32_t, uint32_t>> ranks;
    if (!rankTexts(extensions, ranks)) return false;
    for (size_t r = 0; r < extensions.size(); ++r) {
        const std::wstring& text = extensions[r].second;
        extensionRanks_.find(std::wstring_view(text).substr(0, text.size() - 1))->second = ranks[r].second;
    }
    return true;
}

bool HeadSummary::summarize(const FileEntry& e, KeyedEntry& k) const {
    uint32_t rank = 0;
    if (!lookup(prefixRanks_, kindPrefix(e.kind, sortMode_), rank)) return false;
    k.headRank = rank;
    k.headValue = 0;
    switch (content_) {
        case KeyContent::Name:
            return true;
        case KeyContent::Selection:
            k.headValue = e.selected;
            return true;
        case KeyContent::Size:
            k.headValue = e.size;
            return true;
        case KeyContent::Attributes: {
            uint32_t attributeRank = 0;
            if (!lookup(attributeRanks_, e.attributes, attributeRank)) return false;
            k.headValue = attributeRank;
            return true;
        }
        case KeyContent::Created:
        case KeyContent::Modified:
        case KeyContent::Accessed: {
            const LocalStamp& s = content_ == KeyContent::Created    ? e.created
                                  : content_ == KeyContent::Modified ? e.modified
                                                                     : e.accessed;
            // Fixed-shape text of non-negative numbers: field by field.
            const int32_t small[] = {s.month, s.day, s.hour, s.minute, s.second};
            if (s.year < 0 || s.year >= (1 << 24)) return false;
            uint64_t packed = static_cast<uint64_t>(s.year);
            for (int32_t v : small) {
                if (v < 0 || v > 255) return false;
                packed = (packed << 8) | static_cast<uint64_t>(v);
            }
            k.headValue = packed;
            return true;
        }
        case KeyContent::Extension: {
            auto it = extensionRanks_.find(extensionOf(e.path()));
            if (it == extensionRanks_.end()) return false;
            k.headValue = it->second;
            return true;
        }
        case KeyContent::None:
            return false;
    }
    return false;
}

bool FolderPartRanks::prepare(const FileEntry* entries, int count, size_t sharedLength) {
    rankOf_.assign(static_cast<size_t>(count), 0);
    partLength_.assign(static_cast<size_t>(count), 0);
    // One part per run of entries from the same folder (a folder's run is
    // cut where the descent went into a subfolder, so parts may repeat).
    struct Part {
        std::wstring_view text;
        int32_t kind;
        uint32_t rank;
    };
    std::vector<Part> parts;
    std::vector<uint32_t> partOf(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const FileEntry& e = entries[i];
        if (e.pathLength < sharedLength) return false;
        const std::wstring_view tail(e.fullPath + sharedLength, e.pathLength - sharedLength);
        const size_t sep = tail.find_last_of(L"\\/");
        const std::wstring_view part = sep == std::wstring_view::npos ? std::wstring_view() : tail.substr(0, sep + 1);
        partLength_[static_cast<size_t>(i)] = static_cast<uint16_t>(part.size());
        if (parts.empty() || parts.back().kind != e.kind || parts.back().text != part) {
            parts.push_back({part, e.kind, 0});
        }
        partOf[static_cast<size_t>(i)] = static_cast<uint32_t>(parts.size() - 1);
    }
    std::vector<uint32_t> byOrder(parts.size());
    for (size_t p = 0; p < parts.size(); ++p) byOrder[p] = static_cast<uint32_t>(p);
    std::sort(byOrder.begin(), byOrder.end(), [&parts](uint32_t x, uint32_t y) {
        if (parts[x].kind != parts[y].kind) return parts[x].kind < parts[y].kind;
        return common::naturalCompare(parts[x].text, parts[y].text) < 0;
    });
    // Parts equal but for letter case or leading zeros share a rank: the
    // names and then the whole keys decide between them.
    uint32_t rank = 0;
    for (size_t j = 0; j < byOrder.size(); ++j) {
        Part& cur = parts[byOrder[j]];
        if (j > 0) {
            const Part& prev = parts[byOrder[j - 1]];
            if (prev.kind != cur.kind) {
                ++rank;
            } else {
                const common::NaturalPrefixResult r = common::naturalComparePrefix(prev.text, cur.text);
                if (r.order != 0) {
                    ++rank;
                } else if (r.endA != prev.text.size() || r.endB != cur.text.size()) {
                    return false;
                }
            }
        }
        cur.rank = rank;
    }
    rankBits_ = rank < 0xFFFF ? 16 : 32;
    for (int i = 0; i < count; ++i) rankOf_[static_cast<size_t>(i)] = parts[partOf[static_cast<size_t>(i)]].rank;
    return true;
}

common::NaturalSummary FolderPartRanks::summarize(int index, std::wstring_view tail) const {
    const size_t i = static_cast<size_t>(index);
    const common::NaturalSummary name = common::naturalSummary(tail.substr(partLength_[i]));
    // The rank takes the first one or two symbols; the name's last ones are
    // dropped (a shorter summary still orders what it tells apart).
    const int shift = rankBits_;
    common::NaturalSummary s;
    s.high = (uint64_t{rankOf_[i]} << (64 - shift)) | (name.high >> shift);
    s.low = (name.high << (64 - shift)) | (name.low >> shift);
    return s;
}

namespace {

// A big listing is split at its median and the halves sorted on two threads.
// Keys are unique (each holds its full path), so the order is the same as
// one sort's.
constexpr int kSortInTwoFrom = 32768;

template <typename Less>
void sortRange(KeyedEntry* entries, int count, Less less) {
    KeyedEntry* const end = entries + count;
    if (count >= kSortInTwoFrom) {
        KeyedEntry* const middle = entries + count / 2;
        std::nth_element(entries, middle, end, less);
        std::thread lower;
        try {
            lower = std::thread([entries, middle, less] { std::sort(entries, middle, less); });
        } catch (const std::system_error&) {
            // No second thread: one sort below does it all.
        }
        if (lower.joinable()) {
            std::sort(middle, end, less);
            lower.join();
            return;
        }
    }
    std::sort(entries, end, less);
}

}  // namespace

void sortKeyed(KeyedEntry* entries, int count, bool summarisedHeads, int sortMode, std::wstring_view shared) {
    const bool descending = sortMode == 1;
    if (summarisedHeads) {
        sortRange(entries, count, [shared, descending](const KeyedEntry& a, const KeyedEntry& b) {
            const int c = compareSummarised(a, b, shared);
            return descending ? c > 0 : c < 0;
        });
        return;
    }
    sortRange(entries, count, [shared, descending](const KeyedEntry& a, const KeyedEntry& b) {
        const int c = compareKeyed(a, b, shared);
        return descending ? c > 0 : c < 0;
    });
}

}  // namespace tarvelo::filelist
