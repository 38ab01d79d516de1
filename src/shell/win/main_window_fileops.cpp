// What the file commands see of the main window (fileops::win::OperationHost).
#include "shell/win/main_window_fileops.h"

#include "filelist/shortcut_folder_list.h"
#include "platform/win32_byte_file.h"
#include "shell/section_file_store.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_parts.h"

namespace tarvelo::shell::win {

namespace {

class MainWindowOperationHost final : public fileops::win::OperationHost {
public:
    explicit MainWindowOperationHost(MainWindow& w) : w_(w) {}

    HWND mainWindow() const override { return w_.hwnd(); }
    HINSTANCE instance() const override { return w_.context().instance; }
    UiLanguage language() const override { return w_.context().uiLanguage; }
    filelist::FolderListing& listing() override { return w_.parts().listing; }
    filelist::ListCursor& cursor() override { return w_.parts().listPane.cursor; }
    int pageRows() const override { return w_.parts().listPane.cursor.lastRow + 1; }
    const ThemePalette& palette() const override { return w_.parts().palette; }
    bool soundOnComplete() const override { return w_.settings().soundOnComplete != 0; }

    void stopPeriodicTimers() override { w_.stopPeriodicTimers(); }
    void startPeriodicTimers() override { w_.startPeriodicTimers(); }
    void resetInteraction() override {
        MainWindowParts& p = w_.parts();
        p.listPane.resetInteraction(p.listing);
        ClipCursor(nullptr);
        if (GetCapture()) ReleaseCapture();
        // Keys go to the list again once a dialog of the command has closed.
        if (GetForegroundWindow() == w_.hwnd()) SetFocus(p.list);
    }
    void paintList() override {
        w_.refreshList();
        UpdateWindow(w_.parts().list);
    }
    void reloadKeepingPosition() override { w_.parts().navigator.reload(); }
    void openFolder(const std::wstring& folder) override {
        MainWindowParts& p = w_.parts();
        p.navigator.goToPlace(folder, p.listing.currentFolder, -1, -1);
    }
    void listItems(const std::vector<std::wstring>& paths) override {
        // The listing shows folders only: the first item's folder, cursor on it.
        if (paths.empty()) return;
        const std::wstring& first = paths.front();
        const size_t cut = first.find_last_of(L'\\');
        if (cut == std::wstring::npos) return;
        std::wstring folder = first.substr(0, cut);
        if (folder.size() == 2) folder += L'\\';
        w_.parts().navigator.goToPlace(folder, first, -1, -1);
    }

    std::vector<std::wstring>& dropList() override { return w_.parts().dropList; }
    std::wstring fileCopyFolder() const override {
        platform::Win32ByteFileSystem files;
        SectionFileStore data(files, w_.context().modulePath);
        return data.read(L"SaveData", L"FileCopyFolder");
    }
    void storeFileCopyFolder(const std::wstring& folder) override {
        platform::Win32ByteFileSystem files;
        SectionFileStore data(files, w_.context().modulePath);
        data.write(L"SaveData", L"FileCopyFolder", folder);
    }
    std::vector<std::wstring> storedFolders() const override {
        platform::Win32ByteFileSystem files;
        SectionFileStore data(files, w_.context().modulePath);
        std::vector<std::wstring> values;
        for (int slot = 0; slot < filelist::kShortcutSlots; ++slot) {
            values.push_back(data.read(filelist::kFolderDataSection, filelist::shortcutKey(slot)));
        }
        return values;
    }
    void reloadShortcutFolders() override {
        platform::Win32ByteFileSystem files;
        SectionFileStore data(files, w_.context().modulePath);
        w_.parts().shortcuts.loadShortcutFolders(data);
    }
    std::wstring settingsFilePath() const override { return w_.context().settingsFilePath; }

private:
    MainWindow& w_;
};

}  // namespace

std::shared_ptr<fileops::win::OperationHost> makeOperationHost(MainWindow& window) {
    return std::make_shared<MainWindowOperationHost>(window);
}

}  // namespace tarvelo::shell::win
