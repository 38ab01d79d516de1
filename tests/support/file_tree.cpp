#include "support/file_tree.h"

#include <atomic>
#include <vector>

#include "platform/file_transfer.h"

namespace tarvelo::testing {

namespace {

std::wstring longForm(const std::wstring& path) { return platform::longPathForm(path); }

void snapshotInto(const std::wstring& folder, const std::wstring& prefix, TreeSnapshot& out) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(longForm(folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = folder + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snapshotInto(full, prefix + name + L"\\", out);
            continue;
        }
        FileState state;
        state.attributes = data.dwFileAttributes;
        state.hash = 1469598103934665603ull;
        HANDLE file = CreateFileW(longForm(full).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            state.hash = 0;  // unreadable (held by someone): compares unequal to any content
            state.size = ~0ull;
        } else {
            std::vector<unsigned char> buffer(1 << 20);
            DWORD got = 0;
            while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
                for (DWORD i = 0; i < got; ++i) state.hash = (state.hash ^ buffer[i]) * 1099511628211ull;
                state.size += got;
            }
            CloseHandle(file);
        }
        out[prefix + name] = state;
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

TreeSnapshot snapshotTree(const std::wstring& root) {
    TreeSnapshot out;
    snapshotInto(root, L"", out);
    return out;
}

std::string patternBytes(unsigned seed, std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (std::size_t i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        bytes[i] = static_cast<char>(x >> 24);
    }
    return bytes;
}

bool makeFolders(const std::wstring& path) {
    const std::wstring form = longForm(path);
    DWORD attributes = GetFileAttributesW(form.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos && slash > 2 && !makeFolders(path.substr(0, slash))) return false;
    return CreateDirectoryW(form.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool writeFile(const std::wstring& path, const std::string& bytes, DWORD attributes) {
    const size_t slash = path.find_last_of(L'\\');
    if (slash != std::wstring::npos && !makeFolders(path.substr(0, slash))) return false;
    const std::wstring form = longForm(path);
    SetFileAttributesW(form.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(form.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                                nullptr) && written == bytes.size());
    CloseHandle(file);
    return ok && (attributes == FILE_ATTRIBUTE_NORMAL || SetFileAttributesW(form.c_str(), attributes));
}

void removeTree(const std::wstring& path) {
    const std::wstring form = longForm(path);
    const DWORD attributes = GetFileAttributesW(form.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(form.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(form.c_str());
        return;
    }
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(longForm(path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L"..") removeTree(path + L"\\" + name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(form.c_str());
}

ScratchFolder::ScratchFolder(const std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    wchar_t temp[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp, n) + L"tv_" + name + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(counter.fetch_add(1));
    removeTree(path_);
    makeFolders(path_);
}

ScratchFolder::~ScratchFolder() { removeTree(path_); }

HeldFile::HeldFile(const std::wstring& path) {
    static std::atomic<unsigned> counter{0};
    const std::wstring base = L"tv_hold_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                              std::to_wstring(counter.fetch_add(1));
    release_ = CreateEventW(nullptr, TRUE, FALSE, (base + L"_release").c_str());
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, (base + L"_ready").c_str());
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" --hold \"" + path + L"\" " + base;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (release_ && ready &&
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        HANDLE waits[2] = {ready, process_};
        // Ready when the helper has the file; an early end means it could not open it.
        holding_ = WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0;
    }
    if (ready) CloseHandle(ready);
}

HeldFile::~HeldFile() {
    if (release_) SetEvent(release_);
    if (process_) {
        WaitForSingleObject(process_, 30000);
        CloseHandle(process_);
    }
    if (release_) CloseHandle(release_);
}

bool runHoldHelper(int argc, wchar_t** argv) {
    if (argc < 4 || std::wstring(argv[1]) != L"--hold") return false;
    const std::wstring base = argv[3];
    HANDLE file = CreateFileW(longForm(argv[2]).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return true;
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, (base + L"_ready").c_str());
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, (base + L"_release").c_str());
    if (ready) SetEvent(ready);
    if (release) WaitForSingleObject(release, 120000);
    CloseHandle(file);
    return true;
}

}  // namespace tarvelo::testing
