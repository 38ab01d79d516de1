#include "filelist/drive_table.h"

#include "filelist/view_restore.h"

namespace tarvelo::filelist {

namespace {

constexpr std::wstring_view kDriveTypeTexts[] = {
    L"Unknown", L"No-Root", L"Removable", L"SSD/HDD", L"Remote/Network", L"CD-ROM/DVD/Blu-ray", L"RAM-Disk",
};

bool isDrivePath(std::wstring_view path) { return path.find(L':') != std::wstring_view::npos; }

}  // namespace

std::wstring_view driveTypeText(int driveType) {
    if (driveType < 0 || driveType >= static_cast<int>(std::size(kDriveTypeTexts))) return kDriveTypeTexts[0];
    return kDriveTypeTexts[driveType];
}

wchar_t driveLetter(int drive) {
    if (drive < 1 || drive > kDriveCount) return 0;
    return static_cast<wchar_t>(L'A' + drive - 1);
}

std::wstring driveRoot(int drive) {
    const wchar_t letter = driveLetter(drive);
    if (letter == 0) return {};
    return std::wstring{letter, L':', L'\\'};
}

wchar_t driveDigit(int drive) {
    if (drive >= 1 && drive <= 9) return static_cast<wchar_t>(L'0' + drive);
    return L' ';
}

std::wstring driveLabel(const DriveInfo& info) {
    std::wstring_view root = info.root;
    if (!root.empty() && root.back() == L'\\') root.remove_suffix(1);
    std::wstring text = L"[ ";
    text += root;
    text += L" ] ";
    text += info.volumeName;
    return text;
}

std::wstring driveMenuText(const DriveInfo& info, int drive) {
    return drivePopupText(info, drive);
}

std::wstring drivePopupText(const DriveInfo& info, int drive) {
    std::wstring text = driveLabel(info);
    text += L"  \t";
    text += driveDigit(drive);
    return text;
}

std::wstring shortcutFolderPopupText(std::wstring_view shortcutFolder) {
    std::wstring text(shortcutFolder);
    text += L"  \t0";
    return text;
}

std::wstring driveButtonText(const DriveInfo& info) {
    return isDrivePath(info.lastFolder) ? info.lastFolder : std::wstring(L"???");
}

DriveTable::DriveTable() {
    for (int d = 1; d <= kDriveCount; ++d) slots_[static_cast<size_t>(d - 1)].root = driveRoot(d);
}

const DriveInfo* DriveTable::slot(int drive) const {
    if (drive < 1 || drive > kDriveCount) return nullptr;
    return &slots_[static_cast<size_t>(drive - 1)];
}

DriveInfo* DriveTable::slot(int drive) {
    if (drive < 1 || drive > kDriveCount) return nullptr;
    return &slots_[static_cast<size_t>(drive - 1)];
}

bool DriveTable::isPresent(int drive) const {
    const DriveInfo* info = slot(drive);
    return info != nullptr && info->present;
}

int DriveTable::rebuild(const std::array<std::optional<DriveFacts>, kDriveCount>& facts) {
    int present = 0;
    for (int d = 1; d <= kDriveCount; ++d) {
        DriveInfo& info = slots_[static_cast<size_t>(d - 1)];
        DriveInfo next;
        next.root = driveRoot(d);
        next.lastFolder = std::move(info.lastFolder);
        if (const auto& f = facts[static_cast<size_t>(d - 1)]) {
            next.present = true;
            next.driveType = f->driveType;
            next.typeText = std::wstring(driveTypeText(f->driveType));
            next.freeBytes = f->freeBytes;
            next.totalBytes = f->totalBytes;
            next.volumeName = f->volumeName;
            next.serialNumber = f->serialNumber;
            next.maxComponentLength = f->maxComponentLength;
            next.fileSystemFlags = f->fileSystemFlags;
            next.fileSystemName = f->fileSystemName;
            ++present;
        }
        info = std::move(next);
    }
    return present;
}

int DriveTable::presentCount() const {
    int n = 0;
    for (const DriveInfo& info : slots_) n += info.present ? 1 : 0;
    return n;
}

uint32_t DriveTable::presentMask() const {
    uint32_t mask = 0;
    for (int d = 1; d <= kDriveCount; ++d) {
        if (slots_[static_cast<size_t>(d - 1)].present) mask |= 1u << (d - 1);
    }
    return mask;
}

void DriveTable::noteLoad(std::wstring_view currentFolder) {
    const uint32_t mask = presentMask();
    for (int d = 1; d <= kDriveCount; ++d) {
        // One present drive at a time, so the shared matching rule decides.
        const uint32_t bit = 1u << (d - 1);
        if ((mask & bit) && filelist::driveOfFolder(currentFolder, bit) == d)
            slots_[static_cast<size_t>(d - 1)].lastFolder = std::wstring(currentFolder);
    }
}

int DriveTable::driveOfFolder(std::wstring_view folder) const {
    return filelist::driveOfFolder(folder, presentMask());
}

bool DriveTable::isQuickToReach(std::wstring_view path) const {
    if (path.size() < 2 || path[1] != L':') return false;
    const wchar_t c = path[0];
    int drive = 0;
    if (c >= L'A' && c <= L'Z') drive = c - L'A' + 1;
    if (c >= L'a' && c <= L'z') drive = c - L'a' + 1;
    const DriveInfo* info = slot(drive);
    return info != nullptr && info->present && info->driveType != kDriveTypeRemote;
}

}  // namespace tarvelo::filelist
