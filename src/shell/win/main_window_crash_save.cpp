// The settings save a crash restart asks for. The faulting process may be in
// any state: the settings are written into a copy of the file, and only a
// complete copy replaces the good file.
#include "shell/win/main_window.h"

namespace tarvelo::shell::win {

void MainWindow::saveSettingsForRestart() {
    if (settingsSaved_) return;
    const std::wstring real = context_.settingsFilePath;
    const std::wstring temp = real + L".tmp";
    DeleteFileW(temp.c_str());
    if (GetFileAttributesW(real.c_str()) != INVALID_FILE_ATTRIBUTES && !CopyFileW(real.c_str(), temp.c_str(), FALSE)) {
        return;  // the good file stays as it is
    }
    context_.settingsFilePath = temp;
    saveSettings();
    context_.settingsFilePath = real;
    // Out of the profile cache onto the disk before the swap.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, temp.c_str());
    if (MoveFileExW(temp.c_str(), real.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        settingsSaved_ = true;
    } else {
        DeleteFileW(temp.c_str());
    }
}

}  // namespace tarvelo::shell::win
