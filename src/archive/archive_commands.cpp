#include "archive/archive_commands.h"

#include <algorithm>

#include "common/path_split.h"

namespace tarvelo::archive {

namespace {

std::wstring lowerAscii(std::wstring_view s) {
    std::wstring out(s);
    for (wchar_t& c : out) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return out;
}

std::string quoted(std::string_view s) {
    std::string out = "\"";
    out.append(s);
    out += '"';
    return out;
}

}  // namespace

std::optional<ArchiverLibrary> libraryForArchive(std::wstring_view path) {
    const std::wstring ext = lowerAscii(common::splitPath(path).extension);
    if (ext == L".zip" || ext == L".7z") return ArchiverLibrary::SevenZip;
    if (ext == L".rar") return ArchiverLibrary::Unrar;
    return std::nullopt;
}

bool isZipArchiveName(std::wstring_view path) { return lowerAscii(common::splitPath(path).extension) == L".zip"; }

int compressionLevel(int levelIndex) {
    static constexpr int kLevels[] = {0, 1, 3, 5, 7, 9};
    if (levelIndex < 0 || levelIndex > 5) return 5;
    return kLevels[levelIndex];
}

std::string sevenZipExtractCommand(std::string_view archive, std::string_view destination, std::string_view member) {
    if (member.empty()) return "x -hide -aoa " + quoted(archive) + " -o" + quoted(destination) + " * -r";
    return "e -hide -aoa " + quoted(archive) + " -o" + quoted(destination) + " " + quoted(member);
}

std::string unrarExtractCommand(std::string_view archive, std::string_view destination, std::string_view member) {
    if (member.empty()) return "-x -u -q " + quoted(archive) + " " + quoted(destination) + " *";
    return "-e -u -q " + quoted(archive) + " " + quoted(destination) + " " + quoted(member);
}

std::string sevenZipCompressCommand(std::string_view archive, std::string_view source, bool zip, int levelIndex,
                                    bool recurse) {
    return std::string(zip ? "a -tzip " : "a -t7z ") + quoted(archive) + " " + quoted(source) +
           " -hide -mx=" + std::to_string(compressionLevel(levelIndex)) + (recurse ? " -r" : " -r-");
}

void sortMemberNames(std::vector<std::wstring>& names) { std::stable_sort(names.begin(), names.end()); }

}  // namespace tarvelo::archive
