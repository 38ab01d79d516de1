#include "archive/win/archive_commands_win.h"

#include "archive/archive_texts.h"
#include "archive/win/archive_dialogs.h"
#include "archive/win/archive_items.h"
#include "archive/win/archiver_bridge.h"
#include "fileops/operation_texts.h"
#include "fileops/snapshot.h"
#include "fileops/win/operation_run.h"
#include "resource_ids.h"

namespace tarvelo::archive::win {

namespace {

using fileops::win::OperationHost;
using fileops::win::OperationRun;

// Held as long as the main window's table: not saved in the settings file.
struct ArchiveSettings {
    CompressMode compressMode = CompressMode::Individually;
    ArchiveType compressType = ArchiveType::Zip;
    int compressLevel = 3;
    bool expandIntoFolder = true;
};

std::wstring withTrailingBackslash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

// The common start: the guard, the run, the bridge and the snapshot.
// Nothing when the command must end (the run then ends quietly).
bool sevenZipReady(OperationHost& host, ArchiverBridge& bridge) {
    if (bridge.sevenZipAvailable) return true;
    // The probe's own line says whether the library is missing or broken.
    wchar_t text[2048] = L"";
    bridge.sevenZipVersionText(text, 2048);
    MessageBoxW(host.mainWindow(), text, L"ERROR", MB_OK | MB_ICONERROR);
    return false;
}

bool commandAllowed(OperationHost& host) {
    return OperationRun::allowed(host, true) && !host.listing().currentFolder.empty();
}

void compress(OperationHost& host, ArchiveSettings& settings) {
    if (!commandAllowed(host)) return;
    const ArchiveTexts& t = archiveTexts(host.language());
    OperationRun run(host, t.compressTitle, nullptr, true);
    ArchiverBridge bridge(host.mainWindow());
    if (!sevenZipReady(host, bridge)) return;
    host.resetInteraction();
    const std::vector<std::wstring> items = fileops::snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    const std::wstring currentFolder = withTrailingBackslash(host.listing().currentFolder);

    CompressDialog dialog;
    dialog.mode = settings.compressMode;
    dialog.type = settings.compressType;
    dialog.levelIndex = settings.compressLevel;
    dialog.message = fileops::fillPattern(t.compressMessage, 0, currentFolder);
    dialog.proposedName = proposedArchiveName(items.front(), settings.compressType);
    dialog.language = host.language();
    if (!runCompressDialog(host.mainWindow(), dialog)) return;
    settings.compressMode = dialog.mode;
    settings.compressType = dialog.type;
    settings.compressLevel = dialog.levelIndex;
    const std::wstring archiveName = dialog.archiveName.empty() ? dialog.proposedName : dialog.archiveName;

    run.beginProcessing();
    fileops::win::LoopHooks hooks = run.hooks();
    fileops::OperationReport report;
    for (size_t i = 0; i < items.size(); ++i) {
        hooks.beforeItem(static_cast<int>(i), static_cast<int>(items.size()), items[i]);
        if (auto failure = compressItem(bridge, items[i], currentFolder, settings.compressMode, settings.compressType,
                                        archiveName, settings.compressLevel, host.language())) {
            report.addFailure(*failure);
        }
    }
    SetCurrentDirectoryW(currentFolder.c_str());
    run.complete(true, t.compressFailures, report);
    run.reload(false);
    Sleep(250);
}

void expand(OperationHost& host, ArchiveSettings& settings) {
    if (!commandAllowed(host)) return;
    const ArchiveTexts& t = archiveTexts(host.language());
    OperationRun run(host, t.expandTitle, nullptr, true);
    ArchiverBridge bridge(host.mainWindow());
    if (!sevenZipReady(host, bridge)) return;
    host.resetInteraction();
    const std::vector<std::wstring> items = fileops::snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    const std::wstring currentFolder = withTrailingBackslash(host.listing().currentFolder);

    ExpandDialog dialog;
    dialog.message = fileops::fillPattern(t.expandMessage, 0, currentFolder);
    dialog.intoFolder = settings.expandIntoFolder;
    dialog.language = host.language();
    if (!runExpandDialog(host.mainWindow(), dialog)) return;
    settings.expandIntoFolder = dialog.intoFolder;

    run.beginProcessing();
    fileops::win::LoopHooks hooks = run.hooks();
    fileops::OperationReport report;
    for (size_t i = 0; i < items.size(); ++i) {
        hooks.beforeItem(static_cast<int>(i), static_cast<int>(items.size()), items[i]);
        if (auto failure = expandItem(bridge, items[i], settings.expandIntoFolder, host.language())) {
            report.addFailure(*failure);
        }
    }
    SetCurrentDirectoryW(currentFolder.c_str());
    run.complete(true, t.expandFailures, report);
    run.reload(false);
    Sleep(250);
}

void showConfig(OperationHost& host, ArchiverLibrary library) {
    if (!OperationRun::allowed(host, false)) return;
    OperationRun run(host, L"", nullptr, false);
    ArchiverBridge bridge(host.mainWindow());
    bridge.showArchiverConfig(library, host.mainWindow());
}

}  // namespace

void registerArchiveCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host) {
    auto settings = std::make_shared<ArchiveSettings>();
    table.add(IDM_COMPRESS, [host, settings](int) { compress(*host, *settings); });
    table.add(IDM_EXPAND, [host, settings](int) { expand(*host, *settings); });
    table.add(IDM_ARCHIVER_7ZIP_INFO, [host](int) { showConfig(*host, ArchiverLibrary::SevenZip); });
    table.add(IDM_ARCHIVER_UNRAR_INFO, [host](int) { showConfig(*host, ArchiverLibrary::Unrar); });
}

}  // namespace tarvelo::archive::win
