#pragma once
// The heart of copy, move, paste, drop and delete without any window: the
// items one by one with the item rules, the overwrite question asked through
// an interface, failures collected. The commands wrap it with their dialogs
// and progress; tests and the fault suite drive it directly over real
// folders.
#include <functional>
#include <string>
#include <vector>

#include "fileops/operation_texts.h"
#include "fileops/win/operation_worker.h"

namespace tarvelo::fileops::win {

enum class OverwriteAnswer { Overwrite, Skip, OverwriteAll, Cancel };

// Asked when a file's target exists (never for folders, never once
// OverwriteAll was answered).
class OverwriteQuestion {
public:
    virtual ~OverwriteQuestion() = default;
    virtual OverwriteAnswer ask(const std::wstring& source, const std::wstring& target) = 0;
};

// Always answers the same (tests, the fault suite).
class FixedAnswer final : public OverwriteQuestion {
public:
    explicit FixedAnswer(OverwriteAnswer a) : answer_(a) {}
    OverwriteAnswer ask(const std::wstring&, const std::wstring&) override {
        ++asked;
        return answer_;
    }
    int asked = 0;

private:
    OverwriteAnswer answer_;
};

// The command's window side, called between items; every hook may be empty.
struct LoopHooks {
    // Before item index (0-based) of total: progress, repaint, one message.
    std::function<void(int index, int total, const std::wstring& source)> beforeItem;
    // True abandons the run at once (the Control-key interrupt answered OK).
    std::function<bool()> interrupted;
};

enum class TransferMode { Copy, Move };

struct LoopOutcome {
    OperationReport report;
    int done = 0;              // items copied, moved or deleted
    int skipped = 0;           // Skip answers and moves onto the item's own folder
    bool cancelled = false;    // Cancel in the overwrite question, or a failed folder
    bool interrupted = false;  // abandoned: no report, no reload
};

// Copy or move each item into destination (a folder, without trailing
// backslash; "C:" for a drive root). A copy onto itself makes the
// "_copied" copy under a free name; a move onto itself is skipped. A
// folder is never copied or moved into itself or its own subfolders.
// destination is created (every missing level) when it does not exist.
LoopOutcome runTransferLoop(TransferMode mode, const std::vector<std::wstring>& items,
                            const std::wstring& destination, OverwriteQuestion& question, OperationWorker& worker,
                            const LoopHooks& hooks = {});

// Delete each item: files on the calling thread, folders on the worker.
// Attributes of a file whose deletion fails are given back.
LoopOutcome runDeleteLoop(const std::vector<std::wstring>& items, bool toRecycleBin, OperationWorker& worker,
                          const LoopHooks& hooks = {});

}  // namespace tarvelo::fileops::win
