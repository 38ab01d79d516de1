// What the launching commands see of the main window (launch::win::LaunchHost).
#include "shell/win/main_window_launch.h"

#include "shell/dpi_scale.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

namespace {

class MainWindowLaunchHost final : public launch::win::LaunchHost {
public:
    explicit MainWindowLaunchHost(MainWindow& w) : w_(w) {}

    HWND mainWindow() const override { return w_.hwnd(); }
    HINSTANCE instance() const override { return w_.context().instance; }
    UiLanguage language() const override { return w_.context().uiLanguage; }
    filelist::FolderListing& listing() override { return w_.parts().listing; }
    filelist::ListCursor& cursor() override { return w_.parts().listPane.cursor; }

    void stopPeriodicTimers() override { w_.stopPeriodicTimers(); }
    void startPeriodicTimers() override { w_.startPeriodicTimers(); }
    void resetInteraction() override {
        MainWindowParts& p = w_.parts();
        p.listPane.resetInteraction(p.listing);
        if (GetForegroundWindow() == w_.hwnd()) SetFocus(p.list);
    }

    launch::ExtAppTable& extApps() override { return w_.parts().extApps; }
    SectionFileStore& dataFiles() override { return w_.parts().dataFiles; }
    POINT candidateMenuPoint() const override {
        const int dpi = w_.dpi();
        POINT pt{scalePx(10, dpi), scalePx(w_.settings().windowDriveBar ? 50 : 10, dpi)};
        ClientToScreen(w_.hwnd(), &pt);
        return pt;
    }
    std::wstring modulePath() const override { return w_.context().modulePath; }

private:
    MainWindow& w_;
};

}  // namespace

std::shared_ptr<launch::win::LaunchHost> makeLaunchHost(MainWindow& window) {
    return std::make_shared<MainWindowLaunchHost>(window);
}

}  // namespace tarvelo::shell::win
