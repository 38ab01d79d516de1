#pragma once
// One item at a time off the UI thread. The calling (UI) thread keeps
// answering its messages while the worker runs, so the window paints and
// stays responsive during a long copy. Only one item runs process-wide:
// a second call while one runs fails at once.
#include <windows.h>

#include <functional>
#include <string>

namespace tarvelo::fileops::win {

class OperationWorker {
public:
    // owner: the window the shell's progress window belongs to (may be null).
    // pump: runs while waiting; the default dispatches pending messages.
    explicit OperationWorker(HWND owner = nullptr, std::function<void()> pump = {});

    bool copyItem(const std::wstring& source, const std::wstring& target);
    bool moveItem(const std::wstring& source, const std::wstring& target);
    bool deleteItem(const std::wstring& folder, bool toRecycleBin);

    // Dispatches every pending message of the calling thread.
    static void pumpPending();

private:
    bool run(const std::function<bool()>& body);

    HWND owner_;
    std::function<void()> pump_;
};

}  // namespace tarvelo::fileops::win
