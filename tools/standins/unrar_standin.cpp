// UNRAR32.DLL stand-in for the tests. It reads no real rar format: an
// archive is the signature "Rar!\x1a\x07\x00" followed by lines
// "member<TAB>contents", which is all the tests need to drive the rar path.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "standin_common.h"

namespace {

constexpr WORD kVersion = 620;
constexpr int kFailed = 0x8020;
constexpr char kSignature[] = "Rar!\x1a\x07";

struct Member {
    std::string name;
    std::string contents;
};

struct Listing {
    std::vector<Member> members;
    size_t index = 0;
};

bool readFixture(const std::string& path, std::vector<Member>& members) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
    if (text.size() < 7 || text.compare(0, 6, kSignature) != 0 || text[6] != '\0') return false;
    size_t at = 7;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) return false;
        members.push_back({line.substr(0, tab), line.substr(tab + 1)});
        at = end + 1;
    }
    return true;
}

}  // namespace

extern "C" {

__declspec(dllexport) WORD WINAPI UnrarGetVersion() { return kVersion; }

__declspec(dllexport) int WINAPI Unrar(HWND, LPCSTR commandLine, LPSTR output, DWORD outputSize) {
    const std::string line = commandLine ? commandLine : "";
    standin::logCall("UNRAR32", "Unrar", line);
    if (output && outputSize) output[0] = '\0';
    const std::vector<std::string> t = standin::tokenize(line);
    std::vector<std::string> plain;
    bool flat = false;
    for (const std::string& s : t) {
        if (s == "-e") flat = true;
        if (s[0] != '-') plain.push_back(s);
    }
    std::vector<Member> members;
    if (plain.size() < 3 || !readFixture(plain[0], members)) return kFailed;
    bool any = false, ok = true;
    for (const Member& m : members) {
        if (plain[2] != "*" && plain[2] != m.name) continue;
        any = true;
        std::string name = m.name;
        if (flat && name.find_last_of('/') != std::string::npos) name = name.substr(name.find_last_of('/') + 1);
        ok = standin::writeFileBytes(standin::joinMember(plain[1], name),
                                     std::vector<unsigned char>(m.contents.begin(), m.contents.end())) && ok;
    }
    return any && ok ? 0 : kFailed;
}

__declspec(dllexport) HANDLE WINAPI UnrarOpenArchive(HWND, LPCSTR archive, DWORD mode) {
    char modeText[16];
    std::snprintf(modeText, sizeof modeText, "0x%08lX", static_cast<unsigned long>(mode));
    standin::logCall("UNRAR32", "UnrarOpenArchive", std::string(archive ? archive : "") + " " + modeText);
    auto listing = std::make_unique<Listing>();
    if (!archive || !readFixture(archive, listing->members)) return nullptr;
    return listing.release();
}

__declspec(dllexport) int WINAPI UnrarCloseArchive(HANDLE archive) {
    delete static_cast<Listing*>(archive);
    return 0;
}

__declspec(dllexport) int WINAPI UnrarFindFirst(HANDLE archive, LPCSTR, void*) {
    auto* l = static_cast<Listing*>(archive);
    l->index = 0;
    return l->members.empty() ? -1 : 0;
}

__declspec(dllexport) int WINAPI UnrarFindNext(HANDLE archive, void*) {
    auto* l = static_cast<Listing*>(archive);
    if (l->index + 1 >= l->members.size()) return -1;
    ++l->index;
    return 0;
}

__declspec(dllexport) int WINAPI UnrarGetFileName(HANDLE archive, LPSTR buffer, int size) {
    auto* l = static_cast<Listing*>(archive);
    if (!buffer || size <= 0 || l->index >= l->members.size()) return -1;
    std::snprintf(buffer, static_cast<size_t>(size), "%s", l->members[l->index].name.c_str());
    return 0;
}

__declspec(dllexport) BOOL WINAPI UnrarConfigDialog(HWND owner, LPSTR, int mode) {
    standin::logCall("UNRAR32", "UnrarConfigDialog", std::to_string(mode));
    MessageBoxA(owner, "Stand-in archiver: nothing to configure.", "UNRAR32.DLL", MB_OK);
    return TRUE;
}

}  // extern "C"
