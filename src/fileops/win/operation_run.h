#pragma once
// The pattern every file command follows on the UI thread: guarded start
// (timers 10002/10003 stopped, uiBusy set), the per-item step (progress,
// throttled repaint, one message, the Control-key interrupt), and the
// orderly end (timers restarted, uiBusy cleared).
#include <windows.h>

#include <string>

#include "fileops/win/item_loop.h"
#include "fileops/win/operation_host.h"

namespace tarvelo::fileops::win {

class OperationRun {
public:
    OperationRun(OperationHost& host, const wchar_t* caption, const wchar_t* interruptQuestion, bool followItems);
    ~OperationRun();  // ends the run if leave() was not called
    OperationRun(const OperationRun&) = delete;
    OperationRun& operator=(const OperationRun&) = delete;

    // The command guard: uiBusy and the listing thread idle (and, when
    // needsListing, a complete listing).
    static bool allowed(OperationHost& host, bool needsListing);
    // True while a file command runs (between its start and leave()): the
    // window must not be closed under it.
    static bool anyRunning() { return running_ > 0; }

    // Wait cursor, progress timer; the hooks for the item loop.
    void beginProcessing();
    LoopHooks hooks();
    OperationWorker& worker() { return worker_; }

    // After the items: completion signal, then the report.
    void complete(bool hadItems, const wchar_t* failurePattern, const OperationReport& report);
    // focusPath cleared, the folder reloaded at the same place; the cursor
    // row goes to the first visible row when cursorToTop.
    void reload(bool cursorToTop);
    void leave();

private:
    void maybeRepaint(int index, int total);

    OperationHost& host_;
    const wchar_t* caption_;
    const wchar_t* interruptQuestion_;  // null: no interrupt check
    bool followItems_;
    bool left_ = false;
    unsigned long long lastPaint_ = 0;
    OperationWorker worker_;
    static inline int running_ = 0;
};

}  // namespace tarvelo::fileops::win
