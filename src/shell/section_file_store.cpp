#include "shell/section_file_store.h"

#include <cstdint>
#include <vector>

#include "common/utf16le.h"
#include "shell/settings_file_names.h"

namespace tarvelo::shell {

namespace {

// One read takes at most this many characters; a longer line arrives as
// several lines (the store has always read in 8192-character buffers).
constexpr size_t kMaxReadUnits = 8191;

bool hasByteOrderMark(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

// The lines worth looking at, in file order, each still ending in whatever
// CR/LF it was read with. Lines starting with a control character (empty
// lines included) or '#' are skipped. The content is UTF-16LE whether or
// not it starts with a byte order mark.
std::vector<std::u16string> keptLines(const std::vector<std::uint8_t>& bytes) {
    const size_t offset = hasByteOrderMark(bytes) ? 2 : 0;
    const std::u16string units = common::decodeUtf16le(
        std::span<const std::uint8_t>(bytes.data() + offset, bytes.size() - offset));

    std::vector<std::u16string> lines;
    size_t pos = 0;
    while (pos < units.size()) {
        const size_t start = pos;
        while (pos < units.size() && pos - start < kMaxReadUnits) {
            if (units[pos++] == u'\n') break;
        }
        std::u16string_view piece(units.data() + start, pos - start);
        // A line's text ends at a NUL, as in every C string its value goes to.
        const size_t nul = piece.find(u'\0');
        if (nul != std::u16string_view::npos) piece = piece.substr(0, nul);
        if (piece.empty() || piece[0] < 32 || piece[0] == u'#') continue;
        lines.emplace_back(piece);
    }
    return lines;
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

}  // namespace

SectionFileStore::SectionFileStore(ByteFileSystem& files, std::wstring executablePath)
    : files_(files), executablePath_(std::move(executablePath)) {}

std::wstring SectionFileStore::filePath(std::wstring_view section) const {
    return dataFileName(executablePath_, section);
}

bool SectionFileStore::fileExists(std::wstring_view section) const {
    return !section.empty() && files_.exists(filePath(section));
}

std::wstring SectionFileStore::read(std::wstring_view section, std::wstring_view key) const {
    if (section.empty() || key.empty()) return {};
    const std::wstring path = filePath(section);
    if (!files_.exists(path)) return {};
    const auto bytes = files_.readAll(path);
    if (!bytes) return {};

    const std::u16string search = common::toUtf16(std::wstring(key) + L"=");
    for (std::u16string& line : keptLines(*bytes)) {
        if (line.find(search) == std::u16string::npos) continue;
        removeAll(line, search);
        removeLineBreaks(line);
        return common::fromUtf16(line);
    }
    return {};
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
    const std::wstring path = filePath(section);

    std::vector<std::u16string> lines;
    if (files_.exists(path)) {
        // A file we cannot read must not be replaced by one holding only the
        // new keys: that would throw the other keys away.
        const auto bytes = files_.readAll(path);
        if (!bytes) return false;
        lines = keptLines(*bytes);
    }
    // The same result as writing the keys one after another: each written
    // key leaves its old line and goes to the end, in the order given.
    for (const KeyValue& kv : pairs) {
        const std::u16string search = common::toUtf16(kv.key + L"=");
        std::erase_if(lines, [&](std::u16string& line) {
            removeLineBreaks(line);
            return line.empty() || line.find(search) != std::u16string::npos;
        });
        // A line break inside the value would split it and plant a second line
        // (possibly another key) in the file; a NUL would cut it short on reading.
        std::u16string newLine = search;
        for (char16_t c : common::toUtf16(kv.value)) {
            if (c != u'\r' && c != u'\n' && c != u'\0') newLine.push_back(c);
        }
        lines.push_back(std::move(newLine));
    }

    std::vector<std::uint8_t> out = {0xFF, 0xFE};
    common::appendUtf16le(out, common::toUtf16(L"#\r\n# [" + std::wstring(section) + L"]\r\n#\r\n"));
    for (const std::u16string& line : lines) {
        common::appendUtf16le(out, line);
        common::appendUtf16le(out, u"\r\n");
    }
    return files_.writeAll(path, out);
}

}  // namespace tarvelo::shell
