#include "fileops/win/volume_label_dialog.h"

#include "fileops/operation_texts.h"
#include "fileops/rename_texts.h"
#include "fileops/volume_texts.h"
#include "fileops/win/dialog_look.h"
#include "fileops/win/name_dialogs.h"
#include "fileops/win/operation_run.h"
#include "platform/dialog_cancel.h"
#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

constexpr COLORREF kNoteColour = RGB(230, 0, 0);
// IDI_SHIELD, which older headers leave out.
constexpr WORD kShieldIcon = 32518;

std::vector<std::wstring> driveRoots() {
    wchar_t buffer[256] = {};
    const DWORD n = GetLogicalDriveStringsW(255, buffer);
    std::vector<std::wstring> roots;
    if (n == 0 || n > 255) return roots;
    for (const wchar_t* p = buffer; *p; p += wcslen(p) + 1) roots.emplace_back(p);
    return roots;
}

// A drive without a medium must not bring up the system's "insert a disk"
// box while the list is filled.
class QuietDriveErrors {
public:
    QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietDriveErrors() { SetErrorMode(previous_); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    UINT previous_;
};

VolumeFacts queryVolume(const std::wstring& root) {
    QuietDriveErrors quiet;
    VolumeFacts facts;
    facts.root = root;
    wchar_t label[521] = {}, fileSystem[521] = {};
    if (GetVolumeInformationW(root.c_str(), label, 520, nullptr, nullptr, nullptr, fileSystem, 520)) {
        facts.label = label;
        facts.fileSystem = fileSystem;
    }
    ULARGE_INTEGER total{};
    if (GetDiskFreeSpaceExW(root.c_str(), nullptr, &total, nullptr)) {
        facts.capacity = static_cast<int64_t>(total.QuadPart);
    } else {
        DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
        if (GetDiskFreeSpaceW(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) {
            facts.capacity = static_cast<int64_t>(sectorsPerCluster) * bytesPerSector * totalClusters;
        }
    }
    return facts;
}

struct Context {
    UiLanguage language;
    DialogLook look;
};

// The drive chosen in the list, as its position among the drive roots.
int chosenDrive(HWND dlg) {
    const LRESULT i = SendDlgItemMessageW(dlg, IDC_VOL_DRIVES, CB_GETCURSEL, 0, 0);
    if (i == CB_ERR) return -1;
    return static_cast<int>(SendDlgItemMessageW(dlg, IDC_VOL_DRIVES, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
}

// The drives are enumerated again: one may have come or gone since the
// list was filled.
std::wstring rootAt(int index) {
    const std::vector<std::wstring> roots = driveRoots();
    return index >= 0 && static_cast<size_t>(index) < roots.size() ? roots[static_cast<size_t>(index)] : L"";
}

void showLabelOf(HWND dlg, int index) {
    const std::wstring root = rootAt(index);
    SetDlgItemTextW(dlg, IDC_VOL_LABEL, root.empty() ? L"" : queryVolume(root).label.c_str());
}

void fillDrives(HWND dlg) {
    HWND list = GetDlgItem(dlg, IDC_VOL_DRIVES);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    const std::vector<VolumeFacts> volumes = logicalVolumes();
    for (size_t i = 0; i < volumes.size(); ++i) {
        const VolumeFacts& v = volumes[i];
        const std::wstring line = driveLine(v.root, v.label, v.fileSystem, v.capacity);
        const LRESULT at = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        if (at >= 0) SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
    }
    const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == 0) {
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
        }
    }
    SetDlgItemTextW(dlg, IDC_VOL_LABEL, volumes.empty() ? L"" : volumes.front().label.c_str());
}

void paintShield(HWND dlg) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dlg, &ps);
    RECT client;
    GetClientRect(dlg, &client);
    if (HICON shield = LoadIconW(nullptr, MAKEINTRESOURCEW(kShieldIcon))) {
        DrawIconEx(dc, client.right - 50, client.bottom - 45, shield, 32, 32, 0, nullptr, DI_NORMAL);
    }
    EndPaint(dlg, &ps);
}

// Some platforms (Wine on a Unix folder) answer success and keep the old
// label: only a label that reads back is reported as changed. FAT stores
// labels in capitals, so letter case does not count.
bool labelTook(const std::wstring& root, const std::wstring& label) {
    const std::wstring now = queryVolume(root).label;
    return CompareStringOrdinal(now.c_str(), static_cast<int>(now.size()), label.c_str(), static_cast<int>(label.size()),
                                TRUE) == CSTR_EQUAL;
}

void applyLabel(HWND dlg, UiLanguage language) {
    const VolumeTexts texts = volumeTexts(language);
    const std::wstring root = rootAt(chosenDrive(dlg));
    const std::wstring label = controlText(GetDlgItem(dlg, IDC_VOL_LABEL));
    if (!root.empty() && SetVolumeLabelW(root.c_str(), label.c_str()) && labelTook(root, label)) {
        MessageBoxW(dlg, fillPattern(texts.changed, 0, root, label).c_str(), L"Tarvelo", MB_OK | MB_ICONINFORMATION);
    } else {
        MessageBoxW(dlg, texts.failed, L"Tarvelo", MB_OK | MB_ICONERROR);
    }
}

INT_PTR CALLBACK volumeProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (platform::endDialogOnCancel(dlg, msg, wp)) return TRUE;
    auto* c = msg == WM_INITDIALOG ? reinterpret_cast<Context*>(lp)
                                   : reinterpret_cast<Context*>(GetWindowLongPtrW(dlg, DWLP_USER));
    if (!c) return FALSE;
    INT_PTR brush = 0;
    if (c->look.colour(msg, wp, lp, brush)) return brush;
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        c->look.apply(dlg, {IDC_VOL_LABEL});
        c->look.setTextColour(IDC_VOL_NOTE, kNoteColour);
        fillDrives(dlg);
        SetFocus(GetDlgItem(dlg, IDC_VOL_LABEL));
        SendDlgItemMessageW(dlg, IDC_VOL_LABEL, EM_SETSEL, 0, -1);
        return FALSE;
    case WM_PAINT:
        paintShield(dlg);
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        const int code = HIWORD(wp);
        if (id == IDC_VOL_DRIVES && code == CBN_SELCHANGE) {
            showLabelOf(dlg, chosenDrive(dlg));
            return TRUE;
        }
        if (id == IDC_VOL_LABEL && code == EN_CHANGE) {
            checkTypedName(dlg, GetDlgItem(dlg, IDC_VOL_LABEL), c->language);
            return TRUE;
        }
        if (id == IDOK) {
            applyLabel(dlg, c->language);
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        return FALSE;
    }
    }
    return FALSE;
}

// Command 32849: needs no listing, only an idle window.
void changeVolumeLabel(OperationHost& host) {
    if (!OperationRun::allowed(host, false)) return;
    OperationRun run(host, volumeTexts(host.language()).caption, nullptr, false);
    Context context{host.language(), {}};
    DialogBoxParamW(host.instance(), MAKEINTRESOURCEW(IDD_VOLUME_LABEL), host.mainWindow(), volumeProc,
                    reinterpret_cast<LPARAM>(&context));
    host.paintList();
}

}  // namespace

std::vector<VolumeFacts> logicalVolumes() {
    std::vector<VolumeFacts> out;
    for (const std::wstring& root : driveRoots()) out.push_back(queryVolume(root));
    return out;
}

void registerVolumeLabelCommand(shell::CommandTable& table, std::shared_ptr<OperationHost> host) {
    table.add(IDM_VOLUME_LABEL, [host](int) { changeVolumeLabel(*host); });
}

}  // namespace tarvelo::fileops::win
