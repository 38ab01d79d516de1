#include "fileops/win/operation_run.h"

#include "fileops/win/operation_feedback.h"
#include "resource_ids.h"
#include "shell/run_flags.h"

namespace tarvelo::fileops::win {

namespace {

constexpr unsigned long long kRepaintGapMs = 550;

// One pending message, so the window keeps answering between items.
void pumpOne() {
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) return;  // left for the window's own loop
        if (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

}  // namespace

OperationRun::OperationRun(OperationHost& host, const wchar_t* caption, const wchar_t* interruptQuestion,
                           bool followItems)
    : host_(host),
      caption_(caption),
      interruptQuestion_(interruptQuestion),
      followItems_(followItems),
      worker_(host.mainWindow()) {
    host_.stopPeriodicTimers();
    shell::runFlags().uiBusy = 1;
    ++running_;
}

OperationRun::~OperationRun() { leave(); }

bool OperationRun::allowed(OperationHost& host, bool needsListing) {
    const shell::RunFlags& flags = shell::runFlags();
    if (flags.uiBusy || flags.listingThread) return false;
    return !needsListing || host.listing().isComplete();
}

void OperationRun::beginProcessing() {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    startProgressTimer(host_.mainWindow(), host_.palette());
    lastPaint_ = GetTickCount64() - kRepaintGapMs;
}

void OperationRun::maybeRepaint(int index, int total) {
    const int page = host_.pageRows() > 0 ? host_.pageRows() : 1;
    const unsigned long long now = GetTickCount64();
    if (index == total - 1 || index % page == 0 || now - lastPaint_ >= kRepaintGapMs) {
        host_.paintList();
        lastPaint_ = now;
    }
}

LoopHooks OperationRun::hooks() {
    LoopHooks h;
    h.beforeItem = [this](int index, int total, const std::wstring& source) {
        if (followItems_) host_.listing().focusPath = source;
        operationProgress() = {index + 1, total};
        maybeRepaint(index, total);
        pumpOne();
    };
    if (interruptQuestion_) {
        h.interrupted = [this] {
            if (!(GetAsyncKeyState(VK_CONTROL) & 0x8000)) return false;
            const int answer = MessageBoxW(host_.mainWindow(), interruptQuestion_, caption_, MB_OKCANCEL | MB_ICONEXCLAMATION);
            if (answer == IDOK) return true;
            // The keys pressed meanwhile must not start anything afterwards.
            MSG msg;
            while (PeekMessageW(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
            }
            return false;
        };
    }
    return h;
}

void OperationRun::complete(bool hadItems, const wchar_t* failurePattern, const OperationReport& report) {
    if (hadItems) signalCompletion(host_.mainWindow(), host_.soundOnComplete());
    showReport(host_.mainWindow(), caption_, failurePattern, report);
}

void OperationRun::reload(bool cursorToTop) {
    host_.listing().focusPath.clear();
    if (cursorToTop) host_.cursor().cursorRow = 0;
    host_.reloadKeepingPosition();
}

void OperationRun::leave() {
    if (left_) return;
    left_ = true;
    --running_;
    host_.resetInteraction();
    shell::runFlags().uiBusy = 0;
    stopProgressTimer(host_.mainWindow());
    host_.stopPeriodicTimers();
    host_.startPeriodicTimers();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace tarvelo::fileops::win
