#include "platform/drive_probe.h"

namespace tarvelo::platform {

namespace {

constexpr UINT kQuietErrorMode = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;

// The probing thread's own error mode, restored when the probe ends.
class QuietThreadErrors {
public:
    QuietThreadErrors() { SetThreadErrorMode(kQuietErrorMode, &previous_); }
    ~QuietThreadErrors() { SetThreadErrorMode(previous_, nullptr); }
    QuietThreadErrors(const QuietThreadErrors&) = delete;
    QuietThreadErrors& operator=(const QuietThreadErrors&) = delete;

private:
    DWORD previous_ = 0;
};

}  // namespace

void suppressCriticalErrorBoxes() {
    SetErrorMode(GetErrorMode() | kQuietErrorMode);
}

uint32_t logicalDriveMask() {
    return static_cast<uint32_t>(GetLogicalDrives()) & ((1u << filelist::kDriveCount) - 1);
}

std::optional<filelist::DriveFacts> probeDrive(int drive) {
    const std::wstring root = filelist::driveRoot(drive);
    if (root.empty()) return std::nullopt;
    QuietThreadErrors quiet;

    // The drive can be entered when its root answers as a folder (what
    // making it the current drive would need), without touching the
    // process-wide current directory.
    const DWORD attributes = GetFileAttributesW(root.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;

    filelist::DriveFacts facts;
    facts.driveType = static_cast<int>(GetDriveTypeW(root.c_str()));

    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (GetDiskFreeSpaceExW(root.c_str(), &available, &total, &totalFree)) {
        facts.freeBytes = totalFree.QuadPart;
        facts.totalBytes = total.QuadPart;
    }

    wchar_t volume[MAX_PATH + 1] = {};
    wchar_t fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0, maxComponent = 0, flags = 0;
    if (GetVolumeInformationW(root.c_str(), volume, MAX_PATH + 1, &serial, &maxComponent, &flags, fileSystem,
                              MAX_PATH + 1)) {
        facts.volumeName = volume;
        facts.serialNumber = serial;
        facts.maxComponentLength = maxComponent;
        facts.fileSystemFlags = flags;
        facts.fileSystemName = fileSystem;
    }
    return facts;
}

}  // namespace tarvelo::platform
