// 7-ZIP32.DLL stand-in for the tests: honours the library's call contract
// for zip archives (list, extract, create and add), refuses 7z, and records
// every call in the log the tests read. Member names are used as stored:
// guarding the destination is the program's job, and the tests check it.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "standin_common.h"
#include "zip_archive.h"

namespace {

constexpr WORD kVersion = 1905;
constexpr int kFailed = 0x8020;

struct Listing {
    std::vector<standin::ZipEntry> entries;
    size_t index = 0;
};

bool isAbsolute(const std::string& p) { return (p.size() >= 2 && p[1] == ':') || (!p.empty() && p[0] == '\\'); }

std::string slashes(std::string s) {
    for (char& c : s) if (c == '\\') c = '/';
    return s;
}

void dosStamp(const std::string& path, uint16_t& time, uint16_t& date) {
    time = 0;
    date = 0x21;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return;
    FILETIME local;
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToDosDateTime(&local, &date, &time);
}

bool readFile(const std::string& path, std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    unsigned char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

void putEntry(std::vector<standin::ZipEntry>& entries, standin::ZipEntry e) {
    for (standin::ZipEntry& old : entries) {
        if (_stricmp(old.name.c_str(), e.name.c_str()) == 0) {
            old = std::move(e);
            return;
        }
    }
    entries.push_back(std::move(e));
}

bool addFile(std::vector<standin::ZipEntry>& entries, const std::string& path, const std::string& name, int level) {
    std::vector<unsigned char> bytes;
    if (!readFile(path, bytes)) return false;
    uint16_t t, d;
    dosStamp(path, t, d);
    putEntry(entries, standin::packEntry(name, bytes, level, t, d));
    return true;
}

bool addFolder(std::vector<standin::ZipEntry>& entries, const std::string& folder, const std::string& prefix,
               bool recurse, int level) {
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        const std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!recurse) continue;
            uint16_t t, d;
            dosStamp(path, t, d);
            putEntry(entries, standin::packEntry(prefix + name + "/", {}, 0, t, d));
            ok = addFolder(entries, path, prefix + name + "/", recurse, level) && ok;
        } else {
            ok = addFile(entries, path, prefix + name, level) && ok;
        }
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return ok;
}

int compress(const std::vector<std::string>& t) {
    std::string type = "7z", archive, source;
    int level = 5;
    bool recurse = true;
    for (size_t i = 1; i < t.size(); ++i) {
        const std::string& s = t[i];
        if (s.rfind("-t", 0) == 0) type = s.substr(2);
        else if (s.rfind("-mx=", 0) == 0) level = std::atoi(s.c_str() + 4);
        else if (s == "-r") recurse = true;
        else if (s == "-r-") recurse = false;
        else if (s[0] == '-') continue;
        else if (archive.empty()) archive = s;
        else source = s;
    }
    if (type != "zip" || archive.empty() || source.empty()) return kFailed;
    std::vector<standin::ZipEntry> entries;
    if (GetFileAttributesA(archive.c_str()) != INVALID_FILE_ATTRIBUTES && !standin::readZip(archive, entries)) {
        return kFailed;
    }
    const int zlibLevel = level <= 0 ? 0 : (level >= 9 ? 9 : level);
    bool ok;
    if (source.size() >= 2 && source.compare(source.size() - 2, 2, "\\*") == 0) {
        const std::string folder = source.substr(0, source.size() - 2);
        const std::string prefix = isAbsolute(source) ? "" : slashes(folder) + "/";
        if (!prefix.empty()) putEntry(entries, standin::packEntry(prefix, {}, 0, 0, 0x21));
        ok = addFolder(entries, folder, prefix, recurse, zlibLevel);
    } else {
        const DWORD a = GetFileAttributesA(source.c_str());
        if (a == INVALID_FILE_ATTRIBUTES) return kFailed;
        const size_t cut = source.find_last_of('\\');
        const std::string name = isAbsolute(source) ? source.substr(cut == std::string::npos ? 0 : cut + 1) : slashes(source);
        if (a & FILE_ATTRIBUTE_DIRECTORY) {
            putEntry(entries, standin::packEntry(name + "/", {}, 0, 0, 0x21));
            ok = addFolder(entries, source, name + "/", recurse, zlibLevel);
        } else {
            ok = addFile(entries, source, name, zlibLevel);
        }
    }
    if (!ok) return kFailed;
    return standin::writeZip(archive, entries) ? 0 : kFailed;
}

int extract(const std::vector<std::string>& t, bool flat) {
    std::string archive, destination, member;
    for (size_t i = 1; i < t.size(); ++i) {
        const std::string& s = t[i];
        if (s.rfind("-o", 0) == 0) destination = s.substr(2);
        else if (s[0] == '-') continue;
        else if (archive.empty()) archive = s;
        else if (member.empty()) member = s;
    }
    std::vector<standin::ZipEntry> entries;
    if (archive.empty() || destination.empty() || !standin::readZip(archive, entries)) return kFailed;
    bool ok = true, any = false;
    for (const standin::ZipEntry& e : entries) {
        if (flat && e.name != member) continue;
        if (!flat && member != "*" && e.name != member) continue;
        any = true;
        if (!e.name.empty() && e.name.back() == '/') {
            if (!flat) {
                const std::string folder = standin::joinMember(destination, e.name);
                standin::createParents(folder);
                CreateDirectoryA(folder.c_str(), nullptr);
            }
            continue;
        }
        std::vector<unsigned char> bytes;
        if (!standin::unpackEntry(e, bytes)) {
            ok = false;
            continue;
        }
        std::string name = e.name;
        if (flat) {
            const size_t cut = name.find_last_of('/');
            if (cut != std::string::npos) name = name.substr(cut + 1);
        }
        ok = standin::writeFileBytes(standin::joinMember(destination, name), bytes) && ok;
    }
    return ok && any ? 0 : kFailed;
}

}  // namespace

extern "C" {

#ifndef STANDIN_WITHOUT_VERSION
__declspec(dllexport) WORD WINAPI SevenZipGetVersion() { return kVersion; }
#endif

__declspec(dllexport) int WINAPI SevenZip(HWND, LPCSTR commandLine, LPSTR output, DWORD outputSize) {
    const std::string line = commandLine ? commandLine : "";
    standin::logCall("7-ZIP32", "SevenZip", line);
    if (output && outputSize) output[0] = '\0';
    const std::vector<std::string> t = standin::tokenize(line);
    if (t.empty()) return kFailed;
    if (t[0] == "a") return compress(t);
    if (t[0] == "x") return extract(t, false);
    if (t[0] == "e") return extract(t, true);
    return kFailed;
}

__declspec(dllexport) HANDLE WINAPI SevenZipOpenArchive(HWND, LPCSTR archive, DWORD mode) {
    char modeText[16];
    std::snprintf(modeText, sizeof modeText, "0x%08lX", static_cast<unsigned long>(mode));
    standin::logCall("7-ZIP32", "SevenZipOpenArchive", std::string(archive ? archive : "") + " " + modeText);
    auto listing = std::make_unique<Listing>();
    if (!archive || !standin::readZip(archive, listing->entries)) return nullptr;
    return listing.release();
}

__declspec(dllexport) int WINAPI SevenZipCloseArchive(HANDLE archive) {
    delete static_cast<Listing*>(archive);
    return 0;
}

__declspec(dllexport) int WINAPI SevenZipFindFirst(HANDLE archive, LPCSTR, void*) {
    auto* l = static_cast<Listing*>(archive);
    l->index = 0;
    return l->entries.empty() ? -1 : 0;
}

__declspec(dllexport) int WINAPI SevenZipFindNext(HANDLE archive, void*) {
    auto* l = static_cast<Listing*>(archive);
    if (l->index + 1 >= l->entries.size()) {
        l->index = l->entries.size();
        return -1;
    }
    ++l->index;
    return 0;
}

__declspec(dllexport) int WINAPI SevenZipGetFileName(HANDLE archive, LPSTR buffer, int size) {
    auto* l = static_cast<Listing*>(archive);
    if (!buffer || size <= 0 || l->index >= l->entries.size()) return -1;
    const std::string& name = l->entries[l->index].name;
    const size_t n = name.size() < static_cast<size_t>(size) ? name.size() : static_cast<size_t>(size) - 1;
    name.copy(buffer, n);
    buffer[n] = '\0';
    return 0;
}

__declspec(dllexport) BOOL WINAPI SevenZipConfigDialog(HWND owner, LPSTR, int mode) {
    standin::logCall("7-ZIP32", "SevenZipConfigDialog", std::to_string(mode));
    MessageBoxA(owner, "Stand-in archiver: nothing to configure.", "7-ZIP32.DLL", MB_OK);
    return TRUE;
}

}  // extern "C"
