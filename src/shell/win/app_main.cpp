// Process entry: everything happens in runApplication.
#include <windows.h>

#include "shell/win/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return tarvelo::shell::win::runApplication(instance, showCommand);
}
