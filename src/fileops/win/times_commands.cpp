#include "fileops/win/times_commands.h"

#include "fileops/attribute_rules.h"
#include "fileops/operation_texts.h"
#include "fileops/rename_texts.h"
#include "fileops/snapshot.h"
#include "fileops/timestamp_rules.h"
#include "fileops/win/dialog_look.h"
#include "fileops/win/item_changes.h"
#include "fileops/win/operation_run.h"
#include "fileops/win/timestamp_dialog.h"
#include "fileops/win/volume_label_dialog.h"
#include "platform/dialog_cancel.h"
#include "platform/private_profile_store.h"
#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

bool folderCommandAllowed(OperationHost& host) {
    const filelist::FolderListing& listing = host.listing();
    return OperationRun::allowed(host, true) && !(listing.currentFolder.empty() && listing.focusPath.empty());
}

// Runs change on every item; the failed ones go into the report.
void runItems(OperationHost& host, OperationRun& run, const TimesTexts& texts, const std::vector<std::wstring>& items,
              const std::function<bool(const std::wstring&)>& change) {
    run.beginProcessing();
    LoopHooks hooks = run.hooks();
    OperationReport report;
    for (size_t i = 0; i < items.size(); ++i) {
        if (hooks.beforeItem) hooks.beforeItem(static_cast<int>(i), static_cast<int>(items.size()), items[i]);
        if (!change(items[i])) report.addFailure(items[i]);
    }
    run.complete(!items.empty(), texts.failure, report);
    run.reload(false);
    Sleep(250);
}

void copyTimes(OperationHost& host, TimesKind kind, TimeCopy copy) {
    if (!folderCommandAllowed(host)) return;
    const TimesTexts texts = timesTexts(kind, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    if (MessageBoxW(host.mainWindow(), texts.question, texts.caption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    runItems(host, run, texts, items, [copy](const std::wstring& path) {
        const auto times = readItemTimes(path);
        std::array<bool, 3> which{false, false, false};
        which[copyTarget(copy)] = true;
        return times && writeItemTimes(path, copiedTimes(copy, *times), which);
    });
}

struct AttributeContext {
    AttributeChoice choice;
    const wchar_t* caption;
    DialogLook look;
};

INT_PTR CALLBACK attributeProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (platform::endDialogOnCancel(dlg, msg, wp)) return TRUE;
    auto* ctx = reinterpret_cast<AttributeContext*>(GetWindowLongPtrW(dlg, DWLP_USER));
    const int boxes[4] = {IDC_ATTR_READONLY, IDC_ATTR_HIDDEN, IDC_ATTR_SYSTEM, IDC_ATTR_ARCHIVE};
    INT_PTR brush = 0;
    if (ctx && ctx->look.colour(msg, wp, lp, brush)) return brush;
    switch (msg) {
    case WM_INITDIALOG: {
        ctx = reinterpret_cast<AttributeContext*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        ctx->look.apply(dlg, {});
        const bool on[4] = {ctx->choice.readOnly, ctx->choice.hidden, ctx->choice.system, ctx->choice.archive};
        for (int i = 0; i < 4; ++i) CheckDlgButton(dlg, boxes[i], on[i] ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) {
            ctx->choice = {IsDlgButtonChecked(dlg, boxes[0]) == BST_CHECKED, IsDlgButtonChecked(dlg, boxes[1]) == BST_CHECKED,
                           IsDlgButtonChecked(dlg, boxes[2]) == BST_CHECKED, IsDlgButtonChecked(dlg, boxes[3]) == BST_CHECKED};
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void changeAttributes(OperationHost& host) {
    if (!OperationRun::allowed(host, true)) return;
    const TimesTexts texts = timesTexts(TimesKind::Attribute, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    const DWORD first = itemAttributes(items.front());
    AttributeContext ctx{attributeChoice(first == INVALID_FILE_ATTRIBUTES ? 0 : (first & 0x3F)), texts.caption, {}};
    if (DialogBoxParamW(host.instance(), MAKEINTRESOURCEW(IDD_ATTRIBUTE), host.mainWindow(), attributeProc,
                        reinterpret_cast<LPARAM>(&ctx)) != IDOK) {
        return;
    }
    const DWORD value = attributeValue(ctx.choice);
    runItems(host, run, texts, items, [value](const std::wstring& path) { return setItemAttributes(path, value); });
}

ItemTimes nowTimes() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    const LocalStamp now{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
    return {now, now, now};
}

constexpr const wchar_t* kTimestampSection = L"ChangeTimeStamp";

// Command 32804: only the checked kinds and fields change; an item whose
// merged time is not a real date is listed and left as it was.
void changeTimestamp(OperationHost& host) {
    if (!OperationRun::allowed(host, true)) return;
    const TimesTexts texts = timesTexts(TimesKind::Timestamp, host.language());
    OperationRun run(host, texts.caption, nullptr, true);
    host.resetInteraction();
    const std::vector<std::wstring> items = snapshotItems(host.listing(), host.cursor());
    if (items.empty()) return;
    platform::PrivateProfileStore settings(host.settingsFilePath());
    TimestampDialogState state;
    state.language = host.language();
    state.keepDate = settings.readInt(kTimestampSection, L"DateOnly", 0) != 0;
    state.keepTime = settings.readInt(kTimestampSection, L"TimeOnly", 0) != 0;
    state.start = readItemTimes(items.front()).value_or(nowTimes());
    const int answer = runTimestampDialog(host.mainWindow(), state);
    platform::ensureUnicodeProfileFile(settings.filePath());
    settings.writeInt(kTimestampSection, L"DateOnly", state.keepDate ? 1 : 0);
    settings.writeInt(kTimestampSection, L"TimeOnly", state.keepTime ? 1 : 0);
    if (answer != IDOK) return;
    const TimestampRequest request = state.request;
    runItems(host, run, texts, items, [&request](const std::wstring& path) {
        const auto current = readItemTimes(path);
        if (!current) return false;
        const auto planned = plannedTimes(request, *current);
        return planned && writeItemTimes(path, *planned, request.kinds);
    });
}

}  // namespace

void registerTimesCommands(shell::CommandTable& table, std::shared_ptr<OperationHost> host) {
    auto keep = [host](auto fn) { return [host, fn](int) { fn(*host); }; };
    registerVolumeLabelCommand(table, host);
    table.add(IDM_TIMESTAMP, keep([](OperationHost& o) { changeTimestamp(o); }));
    table.add(IDM_ATTRIBUTE, keep([](OperationHost& o) { changeAttributes(o); }));
    table.add(IDM_COPY_CREATE_TO_MODIFIED,
              keep([](OperationHost& o) { copyTimes(o, TimesKind::CreatedToModified, TimeCopy::CreatedToModified); }));
    table.add(IDM_COPY_MODIFIED_TO_CREATE,
              keep([](OperationHost& o) { copyTimes(o, TimesKind::ModifiedToCreated, TimeCopy::ModifiedToCreated); }));
    table.add(IDM_COPY_CREATE_TO_ACCESS,
              keep([](OperationHost& o) { copyTimes(o, TimesKind::CreatedToAccessed, TimeCopy::CreatedToAccessed); }));
    table.add(IDM_COPY_MODIFIED_TO_ACCESS,
              keep([](OperationHost& o) { copyTimes(o, TimesKind::ModifiedToAccessed, TimeCopy::ModifiedToAccessed); }));
}

}  // namespace tarvelo::fileops::win
