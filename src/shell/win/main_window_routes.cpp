// Where every subsystem's commands join the main window's table. A new room
// adds one call here; the main window itself never grows a switch.
#include "archive/win/archive_commands_win.h"
#include "fileops/win/file_commands.h"
#include "fileops/win/rename_commands.h"
#include "launch/win/launch_commands.h"
#include "shell/win/main_window.h"
#include "shell/win/main_window_fileops.h"
#include "shell/win/main_window_filter.h"
#include "shell/win/main_window_launch.h"
#include "shell/win/main_window_parts.h"
#include "shell/win/keyboard_help.h"

namespace tarvelo::shell::win {

void MainWindow::registerCommands() {
    registerListCommands();
    registerKeyboardHelpCommands(*this);
    registerViewCommands(commands_, *this);
    fileops::win::registerFileCommands(commands_, makeOperationHost(*this));
    fileops::win::registerRenameCommands(commands_, makeOperationHost(*this));
    archive::win::registerArchiveCommands(commands_, makeOperationHost(*this));
    parts_->filterHost = makeFilterHost(*this);
    filelist::win::registerFilterCommands(commands_, *parts_->filterHost);
    launch::win::registerLaunchCommands(commands_, makeLaunchHost(*this));
}

}  // namespace tarvelo::shell::win
