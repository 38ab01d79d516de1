#include "fileops/win/file_commands.h"

#include "filelist/describe_file.h"
#include "fileops/item_rules.h"
#include "fileops/snapshot.h"
#include "fileops/win/operation_dialogs.h"
#include "fileops/win/operation_run.h"
#include "platform/clipboard.h"
#include "platform/win32_file_info.h"
#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

std::wstring describeItem(const std::wstring& path) {
    platform::Win32FileAttributeReader reader;
    return filelist::describeFile(path, reader);
}

bool isExistingFolder(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// The current folder as a destination: no trailing backslash ("C:" for a root).
std::wstring folderAsDestination(std::wstring folder) {
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

// The overwrite question with the pair description, asked in OverwriteDialog.
class DialogQuestion final : public OverwriteQuestion {
public:
    DialogQuestion(OperationHost& host, const OperationTexts& texts, bool repaintFirst)
        : host_(host), texts_(texts), repaintFirst_(repaintFirst) {}
    OverwriteAnswer ask(const std::wstring& source, const std::wstring& target) override {
        if (repaintFirst_) host_.paintList();
        const std::wstring pair = fillPattern(texts_.pair, 0, describeItem(source), describeItem(target));
        const std::wstring text = fillPattern(texts_.overwrite, 0, pair);
        const OverwriteAnswer a = runOverwriteDialog(host_.mainWindow(), host_.instance(), texts_.caption, text);
        OperationWorker::pumpPending();
        return a;
    }

private:
    OperationHost& host_;
    OperationTexts texts_;
    bool repaintFirst_;
};

void fileCopyOrMove(OperationHost& host, TransferMode mode) {
    filelist::FolderListing& listing = host.listing();
    if (!OperationRun::allowed(host, true) || listing.currentFolder.empty()) return;
    const OperationTexts texts =
        operationTexts(mode == TransferMode::Copy ? OperationKind::Copy : OperationKind::Move, host.language());
    OperationRun run(host, texts.caption, texts.interrupt, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(listing, host.cursor());
    if (items.empty()) return;

    FolderSpecRequest request;
    request.caption = texts.caption;
    request.baseFolder = listing.currentFolder;
    request.text = host.fileCopyFolder();
    request.stored = host.storedFolders();
    request.settingsFilePath = host.settingsFilePath();
    request.language = host.language();
    std::optional<std::wstring> chosen = runFolderSpecDialog(host.mainWindow(), host.instance(), request);
    if (!chosen) return;
    if (!destinationAccepted(*chosen)) {
        MessageBoxW(host.mainWindow(), fillPattern(texts.noFolder, 0, *chosen).c_str(), texts.caption,
                    MB_OK | MB_ICONERROR);
        return;
    }
    const std::wstring destination = normalizeDestination(*chosen);

    run.beginProcessing();
    DialogQuestion question(host, texts, true);
    const LoopOutcome out = runTransferLoop(mode, items, destination, question, run.worker(), run.hooks());
    if (out.interrupted) return;
    if (mode == TransferMode::Move) SetCurrentDirectoryW(listing.currentFolder.c_str());
    run.complete(!items.empty(), texts.failure, out.report);
    host.storeFileCopyFolder(destination);
    host.reloadShortcutFolders();
    run.reload(false);
    Sleep(250);
}

// Copy or move the dropped (or pasted) paths into the current folder.
void dropProcedure(OperationHost& host, TransferMode mode, OperationKind textsOf) {
    if (!OperationRun::allowed(host, false)) return;
    SetForegroundWindow(host.mainWindow());
    const OperationTexts texts = operationTexts(textsOf, host.language());
    OperationRun run(host, texts.caption, texts.interrupt, false);
    filelist::FolderListing& listing = host.listing();
    if (listing.currentFolder.empty() || !isExistingFolder(listing.currentFolder)) {
        MessageBoxW(host.mainWindow(), texts.notSelected, texts.caption, MB_OK | MB_ICONERROR);
        return;
    }
    const std::wstring destination = folderAsDestination(listing.currentFolder);
    const std::vector<std::wstring> items = host.dropList();
    run.beginProcessing();
    DialogQuestion question(host, texts, false);
    const LoopOutcome out = runTransferLoop(mode, items, destination, question, run.worker(), run.hooks());
    if (out.interrupted) return;  // the dropped paths stay for another try
    if (mode == TransferMode::Move) SetCurrentDirectoryW(listing.currentFolder.c_str());
    run.complete(!items.empty(), texts.failure, out.report);
    run.reload(true);
    host.dropList().clear();
    Sleep(250);
}

void paste(OperationHost& host) {
    filelist::FolderListing& listing = host.listing();
    if (!OperationRun::allowed(host, true) || listing.currentFolder.empty()) return;
    const std::wstring text = platform::readClipboardText(host.mainWindow()).value_or(std::wstring());
    if (!pasteAccepted(text)) return;
    host.dropList() = splitPastedPaths(text);
    if (host.dropList().empty()) return;
    const PasteTexts p = pasteTexts(host.language());
    const std::wstring question = fillPattern(p.question, static_cast<long long>(host.dropList().size()));
    const int answer = MessageBoxW(host.mainWindow(), question.c_str(), p.caption, MB_OKCANCEL | MB_ICONQUESTION);
    host.resetInteraction();
    if (answer == IDOK) dropProcedure(host, TransferMode::Copy, OperationKind::Paste);
}

void openDropped(OperationHost& host) {
    if (!OperationRun::allowed(host, false) || host.dropList().empty()) return;
    SetForegroundWindow(host.mainWindow());
    const std::vector<std::wstring> dropped = host.dropList();
    OperationRun run(host, L"", nullptr, false);
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (isExistingFolder(dropped.front())) {
        host.openFolder(dropped.front());
    } else {
        host.listItems(dropped);
    }
}

void deleteItems(OperationHost& host) {
    filelist::FolderListing& listing = host.listing();
    if (!OperationRun::allowed(host, true)) return;
    if (listing.currentFolder.empty() && listing.focusPath.empty()) return;
    // Ctrl+D deletes permanently. The key state of the message and the
    // live state both count: a quick Ctrl+D may be released already.
    const bool control = ((GetKeyState(VK_CONTROL) | GetAsyncKeyState(VK_CONTROL)) & 0x8000) != 0;
    const bool toRecycleBin = !control;
    const DeleteTexts texts = deleteTexts(host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(listing, host.cursor());
    if (items.empty()) return;
    const std::wstring question =
        fillPattern(toRecycleBin ? texts.recycleBin : texts.permanent, static_cast<long long>(items.size()));
    if (MessageBoxW(host.mainWindow(), question.c_str(), texts.caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    run.beginProcessing();
    const LoopOutcome out = runDeleteLoop(items, toRecycleBin, run.worker(), run.hooks());
    if (!listing.currentFolder.empty()) SetCurrentDirectoryW(listing.currentFolder.c_str());
    run.complete(!items.empty(), texts.failure, out.report);
    run.reload(false);
    Sleep(250);
}

}  // namespace

void registerFileCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host) {
    // The table's rows share the host; it lives as long as the table.
    auto keep = [host](auto fn) { return [host, fn](int id) { fn(*host, id); }; };
    table.add(IDM_FILE_COPY, keep([](OperationHost& o, int) { fileCopyOrMove(o, TransferMode::Copy); }));
    table.add(IDM_FILE_MOVE, keep([](OperationHost& o, int) { fileCopyOrMove(o, TransferMode::Move); }));
    table.add(IDM_PASTE, keep([](OperationHost& o, int) { paste(o); }));
    table.add(IDM_DROP_COPY, keep([](OperationHost& o, int) { dropProcedure(o, TransferMode::Copy, OperationKind::Copy); }));
    table.add(IDM_DROP_MOVE, keep([](OperationHost& o, int) { dropProcedure(o, TransferMode::Move, OperationKind::Move); }));
    table.add(IDM_DROP_CANCEL, [](int) {});
    table.add(IDM_DROP_OPEN, keep([](OperationHost& o, int) { openDropped(o); }));
    table.add(IDM_DELETE, keep([](OperationHost& o, int) { deleteItems(o); }));
}

}  // namespace tarvelo::fileops::win
