#include "standin_common.h"

#include <cstdio>

namespace standin {

void logCall(const char* library, const char* function, const std::string& text) {
    char path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("TARVELO_STANDIN_LOG", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    if (FILE* f = std::fopen(path, "ab")) {
        std::fprintf(f, "%s\t%s\t%s\n", library, function, text.c_str());
        std::fclose(f);
    }
}

std::vector<std::string> tokenize(const std::string& commandLine) {
    std::vector<std::string> tokens;
    std::string current;
    bool inQuotes = false, any = false;
    for (char c : commandLine) {
        if (c == '"') {
            inQuotes = !inQuotes;
            any = true;
        } else if (c == ' ' && !inQuotes) {
            if (any) tokens.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) tokens.push_back(current);
    return tokens;
}

void createParents(const std::string& path) {
    for (size_t i = 3; i < path.size(); ++i) {
        if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
}

bool writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    createParents(path);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok) DeleteFileA(path.c_str());
    return ok;
}

std::string joinMember(const std::string& folder, const std::string& member) {
    std::string out = folder;
    if (!out.empty() && out.back() != '\\') out += '\\';
    for (char c : member) out += c == '/' ? '\\' : c;
    return out;
}

}  // namespace standin
