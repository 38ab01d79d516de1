#pragma once
// The folders of a subfolder-mode descent, in the order their items are
// listed: a folder's own items, then each of its subfolders' trees in the
// order the file system reported them. With a companion reader, a helper
// thread reads the next folders ahead into memory while the listing thread
// takes in the current one; the order of the items stays the same.
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "filelist/folder_reader.h"

namespace tarvelo::filelist {

class SubfolderWalk {
public:
    struct Folder {
        std::wstring path;
        int depth = 0;
    };

    // `companion` may be null: every folder is then read when it is taken.
    SubfolderWalk(FolderReader& reader, std::unique_ptr<FolderReader> companion, StopToken stop);
    ~SubfolderWalk();  // ends the helper's read and waits for it
    SubfolderWalk(const SubfolderWalk&) = delete;
    SubfolderWalk& operator=(const SubfolderWalk&) = delete;

    // Folders to list after the ones added since the last next(), before any
    // added earlier: the subfolders of the folder just listed, in order.
    void add(std::vector<std::wstring> paths, int depth);
    // The next folder in listing order; false when none is left.
    bool next(Folder& folder);
    // Reports the items of the folder next() gave last to `sink`, from the
    // helper's copy when it read that folder, else straight from the reader.
    void list(ItemSink& sink);

private:
    struct Slot;
    class Copy;
    void helperLoop();
    Slot* findWork();

    FolderReader& reader_;
    std::unique_ptr<FolderReader> companion_;
    StopToken stop_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<std::unique_ptr<Slot>> pending_;  // the next folder at the back
    std::unique_ptr<Slot> current_;
    std::atomic<bool> quit_{false};
    std::thread helper_;
};

}  // namespace tarvelo::filelist
