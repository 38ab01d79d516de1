#include "filelist/win/folder_watch.h"

#include <windows.h>

#include "platform/unique_handle.h"
#include "shell/run_flags.h"

namespace tarvelo::filelist::win {

namespace {
// File and folder names, attributes, size, last write and security.
constexpr DWORD kWatchFilter = 0x11F;
constexpr DWORD kWaitMs = 2550;
}  // namespace

FolderWatch::~FolderWatch() { stop(); }

bool FolderWatch::start() {
    if (!wake_) wake_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    return thread_.start(shell::runFlags().watchThread, [this] { run(); });
}

void FolderWatch::stop() {
    if (wake_) SetEvent(wake_.get());
    thread_.stop();
}

void FolderWatch::setFolder(const std::wstring& folder) {
    std::lock_guard<std::mutex> hold(folderLock_);
    folder_ = folder;
}

std::wstring FolderWatch::folder() const {
    std::lock_guard<std::mutex> hold(folderLock_);
    return folder_;
}

void FolderWatch::run() {
    std::atomic<uint8_t>& state = shell::runFlags().watchThread;
    while (state.load() == 1) {
        const std::wstring watched = folder();
        // Network paths without a drive letter are never watched.
        if (!watched.empty() && watched.find(L':') != std::wstring::npos) {
            platform::UniqueChangeNotification handle(
                FindFirstChangeNotificationW(watched.c_str(), FALSE, kWatchFilter));
            HANDLE waits[2] = {handle.get(), wake_.get()};
            if (handle && WaitForMultipleObjects(wake_ ? 2 : 1, waits, FALSE, kWaitMs) == WAIT_OBJECT_0) {
                // A change seen for a folder that is no longer current is stale.
                if (folder() == watched) changed_.store(true);
            }
        }
        if (state.load() != 1) break;
        Sleep(10);
    }
}

}  // namespace tarvelo::filelist::win
