#include "filelist/subfolder_walk.h"

#include <atomic>
#include <system_error>

namespace tarvelo::filelist {
namespace {

// Folders past the next one the helper may read ahead; the next one is the
// listing thread's own, so the two read side by side.
constexpr size_t kReadAhead = 2;
// The listing takes at most 100,000 items, so a copy holds no more.
constexpr size_t kMaxCopiedItems = 100001;

}  // namespace

// One folder's items as the helper read them, names in one text.
class SubfolderWalk::Copy final : public ItemSink {
public:
    Copy(const std::atomic<bool>& quit, StopToken stop) : quit_(quit), stop_(stop) {}

    bool take(const FoundItem& item) override {
        if (quit_.load(std::memory_order_relaxed) || stop_.requested()) return false;
        records_.push_back({names_.size(), item.name.size(), item.attributes, item.detailsKnown, item.details});
        names_.append(item.name);
        return records_.size() < kMaxCopiedItems;
    }

    void replay(ItemSink& sink) const {
        FoundItem item;
        for (const Record& r : records_) {
            item.name = std::wstring_view(names_).substr(r.offset, r.length);
            item.attributes = r.attributes;
            item.detailsKnown = r.detailsKnown;
            item.details = r.details;
            if (!sink.take(item)) return;
        }
    }

private:
    struct Record {
        size_t offset;
        size_t length;
        uint32_t attributes;
        bool detailsKnown;
        FileAttributeData details;
    };
    const std::atomic<bool>& quit_;
    StopToken stop_;
    std::wstring names_;
    std::vector<Record> records_;
};

struct SubfolderWalk::Slot {
    enum class State { Unread, Reading, Ready };
    Folder folder;
    State state = State::Unread;
    std::unique_ptr<Copy> copy;
};

SubfolderWalk::SubfolderWalk(FolderReader& reader, std::unique_ptr<FolderReader> companion, StopToken stop)
    : reader_(reader), companion_(std::move(companion)), stop_(stop) {}

SubfolderWalk::~SubfolderWalk() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        quit_.store(true, std::memory_order_relaxed);
    }
    changed_.notify_all();
    if (helper_.joinable()) helper_.join();
}

void SubfolderWalk::add(std::vector<std::wstring> paths, int depth) {
    if (paths.empty()) return;
    {
        std::lock_guard<std::mutex> hold(lock_);
        for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
            auto slot = std::make_unique<Slot>();
            slot->folder = {std::move(*it), depth};
            pending_.push_back(std::move(slot));
        }
    }
    changed_.notify_all();
    if (companion_ && !helper_.joinable() && pending_.size() >= 2) {
        try {
            helper_ = std::thread([this] { helperLoop(); });
        } catch (const std::system_error&) {
            // No second thread: the listing thread reads every folder.
            companion_.reset();
        }
    }
}

bool SubfolderWalk::next(Folder& folder) {
    {
        std::unique_lock<std::mutex> hold(lock_);
        // The helper may still be writing the folder given last.
        if (current_) changed_.wait(hold, [this] { return current_->state != Slot::State::Reading; });
        current_.reset();
        if (pending_.empty()) return false;
        current_ = std::move(pending_.back());
        pending_.pop_back();
        folder = current_->folder;
    }
    changed_.notify_all();
    return true;
}

void SubfolderWalk::list(ItemSink& sink) {
    if (!current_) return;
    {
        std::unique_lock<std::mutex> hold(lock_);
        changed_.wait(hold, [this] { return current_->state != Slot::State::Reading; });
    }
    if (current_->state == Slot::State::Ready) {
        current_->copy->replay(sink);
        current_->copy.reset();
        return;
    }
    reader_.listItems(current_->folder.path, sink);
}

SubfolderWalk::Slot* SubfolderWalk::findWork() {
    const size_t n = pending_.size();
    for (size_t k = 2; k <= kReadAhead + 1 && k <= n; ++k) {
        Slot* slot = pending_[n - k].get();
        if (slot->state == Slot::State::Unread) return slot;
    }
    return nullptr;
}

void SubfolderWalk::helperLoop() {
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
        Slot* slot = nullptr;
        changed_.wait(hold, [&] { return quit_.load(std::memory_order_relaxed) || (slot = findWork()) != nullptr; });
        if (quit_.load(std::memory_order_relaxed)) return;
        slot->state = Slot::State::Reading;
        const std::wstring path = slot->folder.path;
        hold.unlock();
        auto copy = std::make_unique<Copy>(quit_, stop_);
        companion_->listItems(path, *copy);
        hold.lock();
        slot->copy = std::move(copy);
        slot->state = Slot::State::Ready;
        changed_.notify_all();
    }
}

}  // namespace tarvelo::filelist
