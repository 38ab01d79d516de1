// What search-select and filtering see of the main window
// (filelist::win::FilterHost).
#include "shell/win/main_window_filter.h"

#include "shell/run_flags.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"
#include "resource_ids.h"

namespace tarvelo::shell::win {

namespace {

class MainWindowFilterHost final : public filelist::win::FilterHost {
public:
    explicit MainWindowFilterHost(MainWindow& w) : w_(w) {}

    HWND mainWindow() const override { return w_.hwnd(); }
    UiLanguage language() const override { return w_.context().uiLanguage; }
    filelist::StringFeatures& strings() override { return w_.parts().strings; }
    filelist::FolderListing& listing() override { return w_.parts().listing; }
    SectionFileStore& dataFiles() override { return w_.parts().dataFiles; }
    bool idle() const override { return w_.guardAllows(); }
    void runModal(const std::function<void()>& work) override {
        w_.runModal(work);
        // Keys go to the list again once the dialog has closed.
        if (GetForegroundWindow() == w_.hwnd()) SetFocus(w_.parts().list);
    }
    void reloadKeepingPosition() override { w_.parts().navigator.reload(); }
    void sendReload() override { SendMessageW(w_.hwnd(), WM_COMMAND, IDM_RELOAD, 0); }
    void repaintListAndBars() override {
        w_.refreshBars();
        w_.refreshList();
    }
    void tellIfDataFileReadOnly() override { w_.reportDataFileReadOnly(); }

private:
    MainWindow& w_;
};

}  // namespace

std::shared_ptr<filelist::win::FilterHost> makeFilterHost(MainWindow& window) {
    return std::make_shared<MainWindowFilterHost>(window);
}

}  // namespace tarvelo::shell::win
