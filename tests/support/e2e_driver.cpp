#include "support/e2e_driver.h"

#include <wincodec.h>

#include <cstdlib>
#include <thread>

namespace tarvelo::e2e {

namespace {

std::wstring testBinFolder() {
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

bool deleteTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                deleteTree(path + L"\\");
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    return RemoveDirectoryW(folder.c_str()) != FALSE;
}

struct FindData {
    DWORD pid;
    HWND exclude;
    HWND found;
    bool wantMain;
};

BOOL CALLBACK findWindowOfProcess(HWND window, LPARAM lp) {
    auto* d = reinterpret_cast<FindData*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != d->pid || window == d->exclude || !IsWindowVisible(window)) return TRUE;
    wchar_t cls[64] = L"";
    GetClassNameW(window, cls, 64);
    if (std::wstring(cls) != L"#32770") return TRUE;
    std::wstring title = windowText(window);
    // Once the main window is known, any other dialog counts (the archive
    // dialogs have a control 1000 too).
    if (d->wantMain ? title.rfind(L"Tarvelo", 0) == 0 && GetDlgItem(window, 1000) != nullptr
                    : (d->exclude != nullptr || GetDlgItem(window, 1000) == nullptr)) {
        d->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool waitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout, std::chrono::milliseconds step) {
    auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (pred()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(step);
    }
}

Sandbox::Sandbox(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"tarvelo-e2e-" + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    deleteTree(folder_);
    CreateDirectoryW(folder_.c_str(), nullptr);
    CopyFileW((testBinFolder() + L"Tarvelo.exe").c_str(), exePath().c_str(), FALSE);
}

Sandbox::Sandbox(Existing, const std::wstring& folder) : folder_(folder), owned_(false) {
    if (!folder_.empty() && folder_.back() != L'\\') folder_ += L'\\';
}

Sandbox::~Sandbox() {
    if (owned_ && !getenv("TARVELO_KEEP_SANDBOX")) deleteTree(folder_);
}

std::wstring Sandbox::makeFolder(const std::wstring& relative) const {
    std::wstring path = folder_;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find(L'\\', start);
        if (end == std::wstring::npos) end = relative.size();
        path += relative.substr(start, end - start) + L"\\";
        CreateDirectoryW(path.c_str(), nullptr);
        start = end + 1;
    }
    return path;
}

void Sandbox::writeFile(const std::wstring& relative, const std::string& bytes) const {
    HANDLE h = CreateFileW((folder_ + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

TarveloApp::TarveloApp(const Sandbox& sandbox, const std::wstring& arguments, const std::vector<std::wstring>& extraEnv) {
    std::wstring commandLine = L"\"" + sandbox.exePath() + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    // Environment: ours plus the extra pairs (later ones win in Wine's lookup
    // only when earlier duplicates are dropped, so drop them).
    std::wstring block;
    LPWCH env = GetEnvironmentStringsW();
    for (const wchar_t* p = env; *p; p += wcslen(p) + 1) {
        std::wstring entry = p;
        bool replaced = false;
        for (const std::wstring& extra : extraEnv) {
            std::wstring key = extra.substr(0, extra.find(L'=') + 1);
            if (_wcsnicmp(entry.c_str(), key.c_str(), key.size()) == 0) replaced = true;
        }
        if (!replaced) block += entry + L'\0';
    }
    FreeEnvironmentStringsW(env);
    for (const std::wstring& extra : extraEnv) block += extra + L'\0';
    block += L'\0';

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(0);
    if (CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                       block.data(), sandbox.folder().c_str(), &si, &pi)) {
        process_ = pi.hProcess;
        pid_ = pi.dwProcessId;
        CloseHandle(pi.hThread);
    }
}

TarveloApp::~TarveloApp() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

HWND TarveloApp::waitForMainWindow(std::chrono::milliseconds timeout) {
    waitUntil([this] {
        FindData d{pid_, nullptr, nullptr, true};
        EnumWindows(findWindowOfProcess, reinterpret_cast<LPARAM>(&d));
        main_ = d.found;
        return main_ != nullptr;
    }, timeout);
    return main_;
}

std::wstring TarveloApp::title() const { return main_ ? windowText(main_) : std::wstring(); }

bool TarveloApp::waitForExit(std::chrono::milliseconds timeout) {
    return process_ && WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD TarveloApp::exitCode() const {
    DWORD code = 0;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

HWND TarveloApp::findMessageBox() const {
    FindData d{pid_, main_, nullptr, false};
    EnumWindows(findWindowOfProcess, reinterpret_cast<LPARAM>(&d));
    return d.found;
}

bool TarveloApp::responsive() const {
    DWORD_PTR result = 0;
    return main_ && SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

HWND TarveloApp::findPopupMenu() const {
    struct Search {
        DWORD pid;
        HWND found;
    } search{pid_, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t cls[16] = {};
            GetClassNameW(w, cls, 16);
            if (pid == s->pid && IsWindowVisible(w) && std::wstring(cls) == L"#32768") {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int dragFilesFromAnotherProgram(POINT screen, const std::vector<std::wstring>& paths,
                                std::chrono::milliseconds timeout) {
    std::wstring line = L"\"" + testBinFolder() + L"tarvelo_drag_in.exe\" " + std::to_wstring(screen.x) + L" " +
                        std::to_wstring(screen.y);
    for (const std::wstring& p : paths) line += L" \"" + p + L"\"";
    std::vector<wchar_t> mutableLine(line.begin(), line.end());
    mutableLine.push_back(0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    CloseHandle(pi.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0) {
        GetExitCodeProcess(pi.hProcess, &code);
    } else {
        TerminateProcess(pi.hProcess, 99);
    }
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

void bringToFront(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

namespace {
void sendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_HOME || vk == VK_END ||
        vk == VK_PRIOR || vk == VK_NEXT || vk == VK_DELETE || vk == VK_INSERT) {
        in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    SendInput(1, &in, sizeof(in));
}
}  // namespace

void pressKey(WORD vk, bool ctrl, bool shift, bool alt) {
    if (ctrl) sendKey(VK_CONTROL, false);
    if (shift) sendKey(VK_SHIFT, false);
    if (alt) sendKey(VK_MENU, false);
    sendKey(vk, false);
    sendKey(vk, true);
    if (alt) sendKey(VK_MENU, true);
    if (shift) sendKey(VK_SHIFT, true);
    if (ctrl) sendKey(VK_CONTROL, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
}

void typeText(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wScan = in[1].ki.wScan = c;
        in[0].ki.dwFlags = KEYEVENTF_UNICODE;
        in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

namespace {
void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(INPUT));
}
}  // namespace

void mouseMoveTo(HWND window, int x, int y) {
    POINT pt{x, y};
    ClientToScreen(window, &pt);
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt.x * 65535 / w, pt.y * 65535 / h);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

void mouseDown(HWND window, int x, int y, bool right) {
    mouseMoveTo(window, x, y);
    sendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

void mouseUp(bool right) {
    sendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
}

void clickAt(HWND window, int x, int y, bool doubleClick) {
    POINT pt{x, y};
    ClientToScreen(window, &pt);
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = pt.x * 65535 / w;
    move.mi.dy = pt.y * 65535 / h;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(INPUT));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    for (int i = 0; i < (doubleClick ? 2 : 1); ++i) {
        INPUT click[2]{};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, click, sizeof(INPUT));
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

std::wstring clipboardText() {
    std::wstring text;
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
            text = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return text;
}

void clearClipboard() {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

std::wstring windowText(HWND window) {
    wchar_t buffer[2048] = L"";
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 2000, &got)) {
        return {};
    }
    return std::wstring(buffer, got);
}

std::wstring dialogStaticText(HWND dialog) {
    std::wstring all;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32] = L"";
        GetClassNameW(child, cls, 32);
        if (_wcsicmp(cls, L"Static") == 0) all += windowText(child);
    }
    return all;
}

void clickButton(HWND dialog, int id) {
    if (HWND button = GetDlgItem(dialog, id)) PostMessageW(button, BM_CLICK, 0, 0);
}

Capture captureWindow(HWND window) {
    Capture cap;
    RECT r;
    GetWindowRect(window, &r);
    cap.width = r.right - r.left;
    cap.height = r.bottom - r.top;
    if (cap.width <= 0 || cap.height <= 0) return cap;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cap.width;
    bi.bmiHeader.biHeight = -cap.height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, cap.width, cap.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    cap.pixels.assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + cap.width * cap.height);
    for (uint32_t& p : cap.pixels) p &= 0x00FFFFFF;
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return cap;
}

namespace {

template <typename T>
struct Releaser {
    T* p = nullptr;
    ~Releaser() {
        if (p) p->Release();
    }
    Releaser() = default;
    Releaser(const Releaser&) = delete;
    Releaser& operator=(const Releaser&) = delete;
};

// Encodes the capture as a PNG through WIC; false when any step fails.
bool savePng(const Capture& cap, const std::wstring& path) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool ok = false;
    {
        Releaser<IWICImagingFactory> factory;
        Releaser<IWICStream> stream;
        Releaser<IWICBitmapEncoder> encoder;
        Releaser<IWICBitmapFrameEncode> frame;
        Releaser<IPropertyBag2> options;
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
        const UINT stride = static_cast<UINT>(cap.width) * 4;
        ok = cap.width > 0 && cap.height > 0 &&
             SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_PPV_ARGS(&factory.p))) &&
             SUCCEEDED(factory.p->CreateStream(&stream.p)) &&
             SUCCEEDED(stream.p->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
             SUCCEEDED(factory.p->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder.p)) &&
             SUCCEEDED(encoder.p->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
             SUCCEEDED(encoder.p->CreateNewFrame(&frame.p, &options.p)) && SUCCEEDED(frame.p->Initialize(options.p)) &&
             SUCCEEDED(frame.p->SetSize(static_cast<UINT>(cap.width), static_cast<UINT>(cap.height))) &&
             SUCCEEDED(frame.p->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat32bppBGR) &&
             SUCCEEDED(frame.p->WritePixels(static_cast<UINT>(cap.height), stride, stride * static_cast<UINT>(cap.height),
                                            reinterpret_cast<BYTE*>(const_cast<uint32_t*>(cap.pixels.data())))) &&
             SUCCEEDED(frame.p->Commit()) && SUCCEEDED(encoder.p->Commit());
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return ok;
}

bool saveBmp(const Capture& cap, const std::wstring& path) {
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof(ih);
    ih.biWidth = cap.width;
    ih.biHeight = -cap.height;
    ih.biPlanes = 1;
    ih.biBitCount = 32;
    const DWORD dataSize = static_cast<DWORD>(cap.pixels.size() * 4);
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(ih);
    fh.bfSize = fh.bfOffBits + dataSize;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(h, &fh, sizeof(fh), &written, nullptr) && WriteFile(h, &ih, sizeof(ih), &written, nullptr) &&
              WriteFile(h, cap.pixels.data(), dataSize, &written, nullptr);
    CloseHandle(h);
    return ok;
}

// TARVELO_ARTIFACTS (a Linux path), else the build's artifacts folder.
std::wstring artifactsFolder() {
    std::string linux;
    if (const char* dir = getenv("TARVELO_ARTIFACTS")) linux = dir;
#ifdef TARVELO_ARTIFACTS_DIR
    if (linux.empty()) linux = TARVELO_ARTIFACTS_DIR;
#endif
    if (linux.empty()) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        return temp;
    }
    std::wstring folder = L"Z:";
    for (char c : linux) folder += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

}  // namespace

std::wstring screenshot(HWND window, const std::wstring& name) {
    const Capture cap = captureWindow(window);
    const std::wstring base = artifactsFolder() + name;
    if (savePng(cap, base + L".png")) return base + L".png";
    DeleteFileW((base + L".png").c_str());
    saveBmp(cap, base + L".bmp");
    return base + L".bmp";
}

std::string readFileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

bool fileExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring readUtf16File(const std::wstring& path) {
    std::string bytes = readFileBytes(path);
    size_t start = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                           static_cast<unsigned char>(bytes[1]) == 0xFE
                       ? 2
                       : 0;
    std::wstring text;
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return text;
}

}  // namespace tarvelo::e2e
