#include "fileops/win/shell_file_operation.h"

#include <shellapi.h>

#include <vector>

namespace tarvelo::fileops::win {

namespace {

constexpr size_t kShellBuffer = 2600;

// The path, a trailing backslash removed, double-NUL terminated; empty
// when it does not fit (never cut: a cut path names another item).
std::vector<wchar_t> shellBuffer(std::wstring path) {
    if (path.size() > 3 && path.back() == L'\\') path.pop_back();
    if (path.size() + 2 > kShellBuffer) return {};
    std::vector<wchar_t> buffer(path.begin(), path.end());
    buffer.push_back(L'\0');
    buffer.push_back(L'\0');
    return buffer;
}

}  // namespace

FILEOP_FLAGS shellOperationFlags(ShellOperation op, bool showProgress) {
    FILEOP_FLAGS flags = FOF_NOERRORUI | FOF_NOCONFIRMATION;
    if (op == ShellOperation::Copy || op == ShellOperation::Move) flags |= FOF_NOCONFIRMMKDIR;
    if (op == ShellOperation::RecycleDelete) flags |= FOF_ALLOWUNDO;
    if (!showProgress) flags |= FOF_SILENT;
    return flags;
}

bool runShellOperation(HWND owner, ShellOperation op, const std::wstring& source, const std::wstring& target,
                       bool showProgress) {
    std::vector<wchar_t> from = shellBuffer(source);
    if (from.size() <= 2) return false;
    std::vector<wchar_t> to;
    const bool deleting = op == ShellOperation::RecycleDelete || op == ShellOperation::PermanentDelete;
    if (!deleting) {
        to = shellBuffer(target);
        if (to.size() <= 2) return false;
    }
    SHFILEOPSTRUCTW s{};
    s.hwnd = owner;
    s.wFunc = op == ShellOperation::Copy ? FO_COPY : op == ShellOperation::Move ? FO_MOVE : FO_DELETE;
    s.pFrom = from.data();
    s.pTo = deleting ? nullptr : to.data();
    s.fFlags = shellOperationFlags(op, showProgress);
    s.lpszProgressTitle = L"";
    const int result = SHFileOperationW(&s);
    return result == 0 && !s.fAnyOperationsAborted;
}

}  // namespace tarvelo::fileops::win
