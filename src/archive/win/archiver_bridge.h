#pragma once
// The one class that talks to 7-ZIP32.DLL and UNRAR32.DLL. Short-lived: a
// command makes one on the stack. Every call loads the library it needs and
// frees it before returning; no library handle outlives a call.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "archive/archiver_status.h"

namespace tarvelo::archive::win {

// Why the last call returned false (the commands name it in their report).
enum class BridgeFailure { None, NotServed, Unrepresentable, NotFound, ImportError, CannotOpen, LibraryFailed };

class ArchiverBridge {
public:
    // owner: the window that owns the "Not Found"/"Import Error" boxes.
    explicit ArchiverBridge(HWND owner = nullptr);
    ~ArchiverBridge();
    ArchiverBridge(const ArchiverBridge&) = delete;
    ArchiverBridge& operator=(const ArchiverBridge&) = delete;

    // The status line; written into buffer only when shorter than capacity.
    bool sevenZipVersionText(wchar_t* buffer, size_t capacity) const;
    bool unrarVersionText(wchar_t* buffer, size_t capacity) const;

    // Fills memberNames (sorted) from the library serving the extension.
    bool listMembers(const std::wstring& archive);
    // member: nothing for all members.
    bool extractSevenZip(const std::wstring& destination, const std::wstring& archive,
                         const std::optional<std::wstring>& member = std::nullopt);
    bool extractUnrar(const std::wstring& destination, const std::wstring& archive,
                      const std::optional<std::wstring>& member = std::nullopt);
    bool compressSevenZip(const std::wstring& source, const std::wstring& archive, int levelIndex, bool recurse);
    bool showArchiverConfig(ArchiverLibrary library, HWND owner);

    std::vector<std::wstring> memberNames;
    bool sevenZipAvailable = false;
    bool unrarAvailable = false;
    BridgeFailure lastFailure = BridgeFailure::None;

private:
    bool extract(ArchiverLibrary library, const std::wstring& destination, const std::wstring& archive,
                 const std::optional<std::wstring>& member);
    bool runCommand(ArchiverLibrary library, const std::string& commandLine);

    HWND owner_;
};

// Loads a library from the program's folder or the system folders, never
// from the current directory (which extraction has just filled).
HMODULE loadArchiverLibrary(ArchiverLibrary library);

// A library's status line (probed now), without a bridge: the Help menu's
// entries. Written into buffer only when shorter than capacity; true when
// the library is installed.
bool archiverVersionText(ArchiverLibrary library, wchar_t* buffer, size_t capacity);

}  // namespace tarvelo::archive::win
