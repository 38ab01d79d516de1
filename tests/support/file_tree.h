#pragma once
// Real folders for the file-operation tests: content hashes of every file in
// a tree, files with given bytes and marks, and a file held open without
// sharing by another process.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

namespace tarvelo::testing {

struct FileState {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;  // FNV-1a over the whole content
    DWORD attributes = 0;
    bool operator==(const FileState& other) const { return size == other.size && hash == other.hash; }
};

// Relative path (from the root, backslashes) -> state, for every file below
// root; folders themselves are not listed. Long paths are fine.
using TreeSnapshot = std::map<std::wstring, FileState>;
TreeSnapshot snapshotTree(const std::wstring& root);

// Content derived from a seed, so that every file differs from every other.
std::string patternBytes(unsigned seed, std::size_t size);

// Writes a file (creating missing folders), then gives it the attributes.
bool writeFile(const std::wstring& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
bool makeFolders(const std::wstring& path);
// Removes a whole tree, whatever marks its files carry.
void removeTree(const std::wstring& path);

// A fresh, empty folder under the temp folder, removed at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& path() const { return path_; }  // no trailing backslash
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

private:
    std::wstring path_;
};

// Another process (this executable started with `--hold <path>`) opens the
// file with no sharing at all and keeps it open until this object goes.
// Programs that use it call `runHoldHelper` first thing in main.
class HeldFile {
public:
    explicit HeldFile(const std::wstring& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool holding() const { return holding_; }

private:
    HANDLE process_ = nullptr;
    HANDLE release_ = nullptr;
    bool holding_ = false;
};

// When the command line is `--hold <path> <event>`: hold the file until the
// event is set and return true (the caller then exits).
bool runHoldHelper(int argc, wchar_t** argv);

}  // namespace tarvelo::testing
