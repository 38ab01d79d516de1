#include "shell/win/application.h"

#include <ole2.h>

#include <clocale>

#include "common/path_split.h"
#include "platform/drive_probe.h"
#include "platform/shell_icon_warm_up.h"
#include "platform/system_info.h"
#include "platform/unique_handle.h"
#include "resource_ids.h"
#include "shell/command_line.h"
#include "shell/settings_file_names.h"
#include "shell/shell_texts.h"
#include "shell/win/app_context.h"
#include "shell/win/instance_gate.h"
#include "shell/win/main_window.h"

namespace tarvelo::shell::win {

namespace {

// Taken during static initialisation, before start-up: the crash report's
// up-time. The system tick (the multimedia one would load winmm at start).
const uint32_t gStartTick = GetTickCount();

UiLanguage languageFromResources(HINSTANCE instance) {
    const wchar_t* text = nullptr;
    int n = LoadStringW(instance, IDS_LANGUAGE_MARKER, reinterpret_cast<LPWSTR>(&text), 0);
    return (n == 2 && text[0] == L'J' && text[1] == L'P') ? UiLanguage::Japanese : UiLanguage::English;
}

void setRuntimeLocale(UiLanguage lang) {
    _wsetlocale(LC_ALL, L"C");
    if (lang == UiLanguage::Japanese) _wsetlocale(LC_ALL, L"Japanese_Japan.932");
}

// A copy started by the crash handler waits for its predecessor; false when
// the predecessor is still alive after 10 s and this copy must give up.
bool waitForPredecessor(const std::wstring& commandLine) {
    std::optional<uint32_t> pid = restartWaitProcessId(commandLine);
    if (!pid) return true;
    platform::UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, *pid));
    if (!process) return true;  // already gone
    return WaitForSingleObject(process.get(), 10000) != WAIT_TIMEOUT;
}

}  // namespace

AppContext& appContext() {
    static AppContext context;
    return context;
}

int runApplication(HINSTANCE instance, int showCommand) {
    AppContext& ctx = appContext();
    ctx.instance = instance;
    platform::ShellIconWarmUp iconWarmUp;
    iconWarmUp.start();
    ctx.showCommand = showCommand;
    ctx.startTickMs = gStartTick;

    // Everything the program shows uses the per-monitor DPI of its window.
    using SetAwareness = BOOL(WINAPI*)(HANDLE);
    if (auto set = reinterpret_cast<SetAwareness>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")))) {
        set(reinterpret_cast<HANDLE>(-4));  // per-monitor v2; the manifest says the same
    }

    // A drive without a medium never raises a system error box.
    platform::suppressCriticalErrorBoxes();

    if (FAILED(OleInitialize(nullptr))) return 0;

    // The part of the command line after the program name.
    const wchar_t* full = GetCommandLineW();
    ctx.commandLine = argumentsAfterProgramName(full ? full : L"");

    if (!waitForPredecessor(ctx.commandLine)) {
        OleUninitialize();
        return 0;
    }

    ctx.modulePath = platform::modulePath();
    common::PathParts parts = common::splitPath(ctx.modulePath);
    ctx.moduleFolder = parts.drive + parts.directory;
    ctx.moduleBaseName = parts.stem;

    // The mutex lives as long as the process; its existence marks a second copy.
    ctx.isSecondInstance = acquireInstanceMutex(ctx.moduleBaseName);

    ctx.settingsFilePath = settingsFileName(ctx.modulePath, platform::userName(), platform::computerName(),
                                            ctx.isSecondInstance);
    ctx.uiLanguage = languageFromResources(instance);
    setRuntimeLocale(ctx.uiLanguage);

    HRESULT com = CoInitialize(nullptr);
    int exitCode = 0;
    {
        MainWindow window(ctx);
        exitCode = window.run();
    }
    OleUninitialize();
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}

}  // namespace tarvelo::shell::win
