#pragma once
// The folder-watch thread: it waits for changes of the current folder and
// sets a "changed" mark; the window's timer turns the mark into a reload.
// It never touches the listing.
#include <atomic>
#include <mutex>
#include <string>

#include "platform/background_thread.h"

namespace tarvelo::filelist::win {

class FolderWatch {
public:
    FolderWatch() = default;
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    bool start();  // once, at start-up
    void stop();   // the stop protocol, at exit

    // The folder to watch (the UI thread updates it whenever it changes).
    void setFolder(const std::wstring& folder);

    bool changed() const { return changed_.load(); }
    void clearChanged() { changed_.store(false); }

private:
    void run();
    std::wstring folder() const;

    platform::BackgroundThread thread_;
    // Signalled by stop so that exit does not wait out a 2.55 s wait.
    platform::UniqueKernelHandle wake_;
    mutable std::mutex folderLock_;
    std::wstring folder_;
    std::atomic<bool> changed_{false};
};

}  // namespace tarvelo::filelist::win
