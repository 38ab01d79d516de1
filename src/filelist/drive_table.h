#pragma once
// The 26 drive slots A: ... Z: behind the drive bar, the Drive menu and the
// drive pop-up: what the system reports for each present drive, and the
// folder the user last visited on it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelo::filelist {

// Drive numbers run 1 (A:) ... 26 (Z:), as the drive commands 34101 ... 34126.
inline constexpr int kDriveCount = 26;

// What the system reports about one drive that can be entered.
struct DriveFacts {
    int driveType = 0;  // the system's drive type code, 0..6
    uint64_t freeBytes = 0;
    uint64_t totalBytes = 0;
    std::wstring volumeName;
    uint32_t serialNumber = 0;
    uint32_t maxComponentLength = 0;
    uint32_t fileSystemFlags = 0;
    std::wstring fileSystemName;
};

struct DriveInfo {
    bool present = false;
    std::wstring root;      // "C:\"
    std::wstring typeText;  // driveTypeText of the type code
    int driveType = 0;
    uint64_t freeBytes = 0;
    uint64_t totalBytes = 0;
    std::wstring volumeName;
    uint32_t serialNumber = 0;
    uint32_t maxComponentLength = 0;
    uint32_t fileSystemFlags = 0;
    std::wstring fileSystemName;
    std::wstring lastFolder;  // survives refreshes; empty until a folder on the drive is loaded
};

// The system's drive type codes that matter to callers.
inline constexpr int kDriveTypeRemovable = 2;
inline constexpr int kDriveTypeFixed = 3;
inline constexpr int kDriveTypeRemote = 4;
inline constexpr int kDriveTypeCdRom = 5;

// "Unknown", "No-Root", "Removable", "SSD/HDD", "Remote/Network",
// "CD-ROM/DVD/Blu-ray", "RAM-Disk" for 0..6 (the same in both languages);
// "Unknown" for any other code.
std::wstring_view driveTypeText(int driveType);

// 'A' ... 'Z' for 1 ... 26; 0 outside.
wchar_t driveLetter(int drive);
// "C:\" for 3; empty outside 1..26.
std::wstring driveRoot(int drive);
// The digit key of a drive: '1' ... '9' for A: ... I:, a blank for the rest.
wchar_t driveDigit(int drive);

// "[ C: ] Volume": the root without its backslash and the volume name.
std::wstring driveLabel(const DriveInfo& info);
// The Drive menu item: "[ C: ] Volume  \t3".
std::wstring driveMenuText(const DriveInfo& info, int drive);
// An item of the Ctrl+S pop-up: "%s  \t%c" with the drive's label and digit.
std::wstring drivePopupText(const DriveInfo& info, int drive);
// The shortcut folder's item of the Ctrl+S pop-up: "%s  \t0".
std::wstring shortcutFolderPopupText(std::wstring_view shortcutFolder);

// What a drive button shows: the last folder when it is a drive path, else "???".
std::wstring driveButtonText(const DriveInfo& info);

class DriveTable {
public:
    DriveTable();

    // drive 1..26; nullptr outside.
    const DriveInfo* slot(int drive) const;
    DriveInfo* slot(int drive);
    bool isPresent(int drive) const;

    // Rebuilds every slot from the facts of the drives that can be entered
    // (nothing for an absent drive); last folders are kept. Returns the
    // number of present drives.
    int rebuild(const std::array<std::optional<DriveFacts>, kDriveCount>& facts);

    int presentCount() const;
    // Bit 0 for A: ... bit 25 for Z:, as the system's logical-drive mask.
    uint32_t presentMask() const;

    // A folder is being loaded: every present drive whose root occurs in it
    // remembers it as its last folder.
    void noteLoad(std::wstring_view currentFolder);

    // The first present drive (letter order) whose root occurs in the
    // folder, 1..26; 0 when none does.
    int driveOfFolder(std::wstring_view folder) const;

    // Whether a path may be looked at on the UI thread: it starts with the
    // letter of a present drive that is not a network drive. Network paths
    // and paths on absent or network drives may keep a caller waiting.
    bool isQuickToReach(std::wstring_view path) const;

private:
    std::array<DriveInfo, kDriveCount> slots_{};
};

}  // namespace tarvelo::filelist
