// Data files at 1 MB: the shortcut list's 100 keys read from and written
// into a file with 12,000 foreign lines before them, on the real disk.
#include <string>
#include <vector>

#include "bench_util.h"
#include "common/utf16le.h"
#include "filelist/shortcut_folder_list.h"
#include "platform/win32_byte_file.h"
#include "shell/section_file_store.h"

namespace {

using namespace tarvelo;

void runDataFileBench(const bench::Report& report) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring exe = std::wstring(temp) + L"tarvelo-bench-" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    platform::Win32ByteFileSystem files;
    shell::SectionFileStore store(files, exe);
    const std::wstring path = store.filePath(filelist::kFolderDataSection);

    std::u16string text = u"#\r\n# [FolderData]\r\n#\r\n";
    for (int i = 0; text.size() * 2 < (1u << 20); ++i) {
        text += common::toUtf16(L"Junk_" + std::to_wstring(100000 + i) + L"=yyyyyyyyyyyyyyyyyyyyyyyyyyyyyy\r\n");
    }
    for (int slot = 0; slot < 40; ++slot) {
        text += common::toUtf16(filelist::shortcutKey(slot) + L"=C:\\folder " + std::to_wstring(slot) + L"\r\n");
    }
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    common::appendUtf16le(bytes, text);

    constexpr int kRounds = 5;
    double readMs = 1e9;
    double writeMs = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        files.writeAll(path, bytes);
        filelist::ShortcutFolderList list;
        double start = bench::nowMs();
        list.loadShortcutFolders(store);
        readMs = std::min(readMs, bench::nowMs() - start);
        start = bench::nowMs();
        list.registerCurrentFolder(L"C:\\bench\\", store);
        writeMs = std::min(writeMs, bench::nowMs() - start);
    }
    DeleteFileW(path.c_str());
    report("datafile_read_1mb_ms", readMs);
    report("datafile_write_1mb_ms", writeMs);
}

bench::GroupRegistration datafile("datafile", runDataFileBench);

}  // namespace
