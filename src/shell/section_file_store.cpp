#include "shell/section_file_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "common/utf16le.h"
#include "common/utf8.h"
#include "shell/settings_file_names.h"

namespace tarvelo::shell {

namespace {

// One read takes at most this many characters; a longer line arrives as
// several lines (the store has always read in 8192-character buffers).
constexpr size_t kMaxReadUnits = 8191;

bool hasByteOrderMark(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

bool hasUtf8Mark(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
}

// The file's text. The program writes UTF-16LE with a byte order mark, and a
// file without the mark is UTF-16LE too, except when it reads as valid UTF-8
// and holds no zero byte: that is a list saved by an ordinary editor, and
// reading it as UTF-16 would turn it into nonsense the next save would keep.
// (UTF-16 text of the program's own lines always has zero bytes.)
std::u16string decodeDataFile(const std::vector<std::uint8_t>& bytes) {
    const std::span<const std::uint8_t> all(bytes);
    if (hasByteOrderMark(bytes)) return common::decodeUtf16le(all.subspan(2));
    if (!bytes.empty() && std::memchr(bytes.data(), 0, bytes.size()) == nullptr) {
        const size_t offset = hasUtf8Mark(bytes) ? 3 : 0;
        if (auto text = common::decodeUtf8(all.subspan(offset))) return std::move(*text);
    }
    return common::decodeUtf16le(all);
}

// The lines worth looking at, in file order, each still ending in whatever
// CR/LF it was read with, as views into the decoded text (no copy per line).
// Lines starting with a control character (empty lines included) or '#' are
// skipped.
// Kept as offsets, so the whole may be moved (a short text lives inside the
// string object itself).
struct KeptLines {
    std::u16string text;
    std::vector<std::pair<size_t, size_t>> spans;  // start, length
    size_t size() const { return spans.size(); }
    std::u16string_view line(size_t i) const { return std::u16string_view(text).substr(spans[i].first, spans[i].second); }
};

KeptLines keptLines(const std::vector<std::uint8_t>& bytes) {
    KeptLines out;
    out.text = decodeDataFile(bytes);
    const std::u16string& units = out.text;
    size_t pos = 0;
    while (pos < units.size()) {
        const size_t start = pos;
        const size_t limit = std::min(units.size(), start + kMaxReadUnits);
        const size_t newline = units.find(u'\n', start);
        pos = newline != std::u16string::npos && newline < limit ? newline + 1 : limit;
        std::u16string_view piece(units.data() + start, pos - start);
        // A line's text ends at a NUL, as in every C string its value goes to.
        const size_t nul = piece.find(u'\0');
        if (nul != std::u16string_view::npos) piece = piece.substr(0, nul);
        if (piece.empty() || piece[0] < 32 || piece[0] == u'#') continue;
        out.spans.emplace_back(start, piece.size());
    }
    return out;
}

void removeAll(std::u16string& text, std::u16string_view what) {
    if (what.empty()) return;
    std::u16string out;
    out.reserve(text.size());
    size_t pos = 0;
    for (size_t hit; (hit = text.find(what, pos)) != std::u16string::npos; pos = hit + what.size()) {
        out.append(text, pos, hit - pos);
    }
    out.append(text, pos, std::u16string::npos);
    text.swap(out);
}

void removeLineBreaks(std::u16string& text) {
    std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
}

struct ViewHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view s) const { return std::hash<std::u16string_view>{}(s); }
};

// Finds which of a set of keys a line contains as "key=", in one pass over
// the line: every '=' is tried as the end of each key length in the set. So
// many keys against many lines cost the length of the file, not their product.
class KeyFinder {
public:
    // Keys with the same text share the number of their first appearance.
    explicit KeyFinder(const std::vector<std::u16string>& keys) {
        for (size_t i = 0; i < keys.size(); ++i) {
            if (!keys[i].empty() && index_.emplace(keys[i], i).second) {
                bool known = false;
                for (size_t length : lengths_) known = known || length == keys[i].size();
                if (!known) lengths_.push_back(keys[i].size());
            }
        }
    }

    // Calls found(number) for every key occurrence followed by '=' in line.
    template <class Found>
    void forEachKeyIn(std::u16string_view line, Found found) const {
        for (size_t eq = line.find(u'='); eq != std::u16string_view::npos; eq = line.find(u'=', eq + 1)) {
            for (size_t length : lengths_) {
                if (length > eq) continue;
                auto it = index_.find(line.substr(eq - length, length));
                if (it != index_.end()) found(it->second);
            }
        }
    }

private:
    std::unordered_map<std::u16string, size_t, ViewHash, std::equal_to<>> index_;
    std::vector<size_t> lengths_;
};

}  // namespace

SectionFileStore::SectionFileStore(ByteFileSystem& files, std::wstring executablePath)
    : files_(files), executablePath_(std::move(executablePath)) {}

std::wstring SectionFileStore::filePath(std::wstring_view section) const {
    return dataFileName(executablePath_, section);
}

bool SectionFileStore::fileExists(std::wstring_view section) const {
    return !section.empty() && files_.exists(filePath(section));
}

bool SectionFileStore::isReadOnly(std::wstring_view section) const {
    return readOnly_.find(section) != readOnly_.end();
}

bool SectionFileStore::takeReadOnlyNotice() {
    if (!refusedReadOnly_ || noticeGiven_) return false;
    noticeGiven_ = true;
    return true;
}

std::wstring SectionFileStore::read(std::wstring_view section, std::wstring_view key) const {
    const std::wstring one(key);
    SectionValues got = readMany(section, std::span<const std::wstring>(&one, 1));
    return got.values.empty() ? std::wstring() : std::move(got.values[0]);
}

SectionValues SectionFileStore::readMany(std::wstring_view section,
                                         std::span<const std::wstring> keys) const {
    SectionValues out;
    out.values.resize(keys.size());
    if (section.empty()) return out;
    const std::wstring path = filePath(section);
    if (!files_.exists(path)) return out;
    const auto bytes = files_.readAll(path);
    if (!bytes) {
        out.state = DataFileState::Unreadable;
        readOnly_.emplace(section);
        return out;
    }
    out.state = DataFileState::Readable;

    std::vector<std::u16string> names;
    names.reserve(keys.size());
    for (const std::wstring& key : keys) names.push_back(common::toUtf16(key));
    const KeyFinder finder(names);

    std::vector<bool> done(keys.size(), false);
    size_t left = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        done[i] = names[i].empty();  // an empty key matches nothing
        if (!done[i]) ++left;
    }
    const KeptLines kept = keptLines(*bytes);
    for (size_t n = 0; n < kept.size(); ++n) {
        const std::u16string_view line = kept.line(n);
        if (left == 0) break;
        // A line may hold several keys ("A=B=1" holds A and B); each key
        // takes the first line that holds it.
        finder.forEachKeyIn(line, [&](size_t number) {
            if (done[number]) return;
            std::u16string value(line);
            removeAll(value, names[number] + u"=");
            removeLineBreaks(value);
            const std::wstring text = common::fromUtf16(value);
            for (size_t i = number; i < names.size(); ++i) {
                if (!done[i] && names[i] == names[number]) {
                    out.values[i] = text;
                    done[i] = true;
                    --left;
                }
            }
        });
    }
    return out;
}

bool SectionFileStore::write(std::wstring_view section, std::wstring_view key,
                             std::wstring_view value) {
    const KeyValue one{std::wstring(key), std::wstring(value)};
    return writeMany(section, std::span<const KeyValue>(&one, 1));
}

bool SectionFileStore::writeMany(std::wstring_view section, std::span<const KeyValue> pairs) {
    if (section.empty() || pairs.empty()) return false;
    for (const KeyValue& kv : pairs) {
        if (kv.key.empty()) return false;
    }
    if (isReadOnly(section)) {
        // Found unreadable earlier: whatever is in memory is not what the file
        // holds, and writing it would replace the user's real content.
        refusedReadOnly_ = true;
        return false;
    }
    const std::wstring path = filePath(section);

    KeptLines lines;
    if (files_.exists(path)) {
        // A file we cannot read must not be replaced by one holding only the
        // new keys: that would throw the other keys away.
        const auto bytes = files_.readAll(path);
        if (!bytes) {
            readOnly_.emplace(section);
            refusedReadOnly_ = true;
            return false;
        }
        lines = keptLines(*bytes);
    }

    std::vector<std::u16string> names;
    names.reserve(pairs.size());
    for (const KeyValue& kv : pairs) names.push_back(common::toUtf16(kv.key));
    const KeyFinder finder(names);
    // The last pair of each key text: a written line survives a later pair
    // only when that pair's key is not in it.
    std::unordered_map<std::u16string, size_t, ViewHash, std::equal_to<>> lastPair;
    for (size_t i = 0; i < names.size(); ++i) lastPair[names[i]] = i;

    // The same result as writing the keys one after another: each written
    // key leaves its old line and goes to the end, in the order given.
    // Kept lines stay views into the old text unless a CR/LF has to go.
    std::vector<std::u16string> stripped;
    stripped.reserve(lines.size());
    std::vector<std::u16string_view> kept;
    kept.reserve(lines.size() + pairs.size());
    for (size_t n = 0; n < lines.size(); ++n) {
        std::u16string_view line = lines.line(n);
        while (!line.empty() && (line.back() == u'\n' || line.back() == u'\r')) line.remove_suffix(1);
        if (line.find_first_of(u"\r\n") != std::u16string_view::npos) {
            std::u16string copy(line);
            removeLineBreaks(copy);
            stripped.push_back(std::move(copy));
            line = stripped.back();
        }
        if (line.empty()) continue;
        bool holdsKey = false;
        finder.forEachKeyIn(line, [&](size_t) { holdsKey = true; });
        if (!holdsKey) kept.push_back(line);
    }
    std::vector<std::u16string> written;
    written.reserve(pairs.size());
    for (size_t j = 0; j < pairs.size(); ++j) {
        // A line break inside the value would split it and plant a second line
        // (possibly another key) in the file; a NUL would cut it short on reading.
        std::u16string newLine = names[j] + u"=";
        for (char16_t c : common::toUtf16(pairs[j].value)) {
            if (c != u'\r' && c != u'\n' && c != u'\0') newLine.push_back(c);
        }
        bool droppedLater = false;
        finder.forEachKeyIn(newLine, [&](size_t number) {
            if (lastPair[names[number]] > j) droppedLater = true;
        });
        if (!droppedLater) written.push_back(std::move(newLine));
    }

    const std::u16string header = common::toUtf16(L"#\r\n# [" + std::wstring(section) + L"]\r\n#\r\n");
    for (const std::u16string& line : written) kept.push_back(line);
    size_t total = 2 + header.size() * 2;
    for (const std::u16string_view line : kept) total += (line.size() + 2) * 2;
    std::vector<std::uint8_t> out;
    out.reserve(total);
    out.push_back(0xFF);
    out.push_back(0xFE);
    common::appendUtf16le(out, header);
    for (const std::u16string_view line : kept) {
        common::appendUtf16le(out, line);
        common::appendUtf16le(out, u"\r\n");
    }
    return files_.writeAll(path, out);
}

}  // namespace tarvelo::shell
