#include "fileops/win/item_loop.h"

#include <shlobj.h>

#include "fileops/item_rules.h"
#include "platform/file_transfer.h"

namespace tarvelo::fileops::win {

namespace {

DWORD attributesOf(const std::wstring& path) { return GetFileAttributesW(platform::longPathForm(path).c_str()); }

bool pathExists(const std::wstring& path) { return attributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool isFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A destination named by the user is created with every missing level.
void ensureFolder(const std::wstring& folder) {
    if (pathExists(folder)) return;
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
}

std::wstring parentOf(const std::wstring& path) {
    const size_t cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos) return {};
    return cut <= 2 ? path.substr(0, cut + 1) : path.substr(0, cut);
}

}  // namespace

LoopOutcome runTransferLoop(TransferMode mode, const std::vector<std::wstring>& items,
                            const std::wstring& destination, OverwriteQuestion& question, OperationWorker& worker,
                            const LoopHooks& hooks) {
    LoopOutcome out;
    ensureFolder(destination);
    // A destination that is a file or could not be made takes nothing.
    const bool destinationUsable = isFolder(attributesOf(destination.size() == 2 ? destination + L"\\" : destination));
    const bool copying = mode == TransferMode::Copy;
    const auto transfer = [&](const std::wstring& s, const std::wstring& t) {
        return copying ? worker.copyItem(s, t) : worker.moveItem(s, t);
    };
    bool overwriteAll = false;
    const int total = static_cast<int>(items.size());
    for (int i = 0; i < total; ++i) {
        const std::wstring& source = items[i];
        if (hooks.beforeItem) hooks.beforeItem(i, total, source);
        if (hooks.interrupted && hooks.interrupted()) {
            out.interrupted = true;
            return out;
        }
        if (!destinationUsable) {
            out.report.addFailure(source);
            continue;
        }
        const std::wstring target = targetPath(destination, source);
        const DWORD sourceAttributes = attributesOf(source);
        if (samePathIgnoringCase(source, target)) {
            if (!copying) {
                ++out.skipped;  // moving into its own folder changes nothing
                continue;
            }
            const std::wstring copied = copiedTarget(source, pathExists);
            if (!copied.empty() && transfer(source, copied)) {
                ++out.done;
            } else {
                out.report.addFailure(source);
            }
            continue;
        }
        if (isFolder(sourceAttributes)) {
            // A folder that fails ends the run: what follows may depend on it.
            if (targetInsideSource(source, target) || !transfer(source, target)) {
                out.report.addFailure(source);
                out.cancelled = true;
                break;
            }
            ++out.done;
            continue;
        }
        const DWORD targetAttributes = attributesOf(target);
        if (sourceAttributes != INVALID_FILE_ATTRIBUTES && targetAttributes != INVALID_FILE_ATTRIBUTES) {
            if (isFolder(targetAttributes)) {
                out.report.addFailure(source);  // a file never replaces a folder
                continue;
            }
            if (!overwriteAll) {
                const OverwriteAnswer answer = question.ask(source, target);
                if (answer == OverwriteAnswer::Cancel) {
                    out.cancelled = true;
                    break;
                }
                if (answer == OverwriteAnswer::Skip) {
                    ++out.skipped;
                    continue;
                }
                if (answer == OverwriteAnswer::OverwriteAll) overwriteAll = true;
            }
        }
        if (transfer(source, target)) {
            ++out.done;
        } else {
            out.report.addFailure(source);
        }
    }
    return out;
}

LoopOutcome runDeleteLoop(const std::vector<std::wstring>& items, bool toRecycleBin, OperationWorker& worker,
                          const LoopHooks& hooks) {
    LoopOutcome out;
    const int total = static_cast<int>(items.size());
    for (int i = 0; i < total; ++i) {
        const std::wstring& path = items[i];
        if (path.empty()) continue;
        if (hooks.beforeItem) hooks.beforeItem(i, total, path);
        bool ok = false;
        if (isFolder(attributesOf(path))) {
            // The process must not hold the folder it deletes.
            const std::wstring parent = parentOf(path);
            if (!parent.empty()) SetCurrentDirectoryW(parent.c_str());
            ok = worker.deleteItem(path, toRecycleBin);
        } else {
            const auto mode = toRecycleBin ? platform::DeleteMode::recycleBin : platform::DeleteMode::permanent;
            ok = platform::deleteFile(path, mode).ok();
        }
        if (ok) {
            ++out.done;
        } else {
            out.report.addFailure(path);
        }
    }
    return out;
}

}  // namespace tarvelo::fileops::win
