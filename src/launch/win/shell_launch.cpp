#include "launch/win/shell_launch.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "launch/launch_command_lines.h"

namespace tarvelo::launch::win {

namespace {

// A COM interface pointer released when it goes.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p_) p_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* get() const { return p_; }
    T** put() { return &p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// COM for the length of one call; balanced even when it was already on.
class ComScope {
public:
    ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (ok_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool ok_;
};

}  // namespace

namespace {

bool shellExecute(HWND owner, const wchar_t* verb, const std::wstring& path, ULONG mask) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    info.hwnd = owner;
    info.lpVerb = verb;
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool ok = ShellExecuteExW(&info) != FALSE;
    if (info.hProcess) CloseHandle(info.hProcess);
    return ok;
}

}  // namespace

bool runShellVerb(HWND owner, const wchar_t* verb, const std::wstring& path, VerbSource source) {
    constexpr ULONG kContextMenu = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_INVOKEIDLIST;
    if (source == VerbSource::ContextMenu) return shellExecute(owner, verb, path, kContextMenu);
    // The registered verb first: Wine reports success for the context-menu
    // route of a registered verb without starting anything. Verbs that only
    // a shell extension offers still come through the second call.
    return shellExecute(owner, verb, path, SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI) ||
           shellExecute(owner, verb, path, kContextMenu);
}

bool startCommandLine(const std::wstring& line, const std::wstring& folder) {
    if (line.empty() || line.size() >= kMaxCommandLine) return false;
    std::wstring buffer = line;  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::wstring desktopFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return path;
}

bool saveShortcut(const std::wstring& linkPath, const std::wstring& target) {
    ComScope com;
    ComRef<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.put())))) {
        return false;
    }
    if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetWorkingDirectory(L""))) return false;
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put())))) return false;
    return SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
}

bool startSecondCopy(const std::wstring& modulePath) {
    const HINSTANCE result = ShellExecuteW(nullptr, nullptr, modulePath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace tarvelo::launch::win
