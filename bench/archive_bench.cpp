// Compress and expand through the archiver bridge and the 7-ZIP32.DLL
// stand-in, beside Linux zip/unzip on the same files (timed by scripts/bench
// around this run and handed in):
//   compress_100mb_ms / compress_100mb_ratio   a folder of 100 MB of mixed files
//                                              to zip at the Normal level vs zip -r -6
//   expand_100mb_ms / expand_100mb_ratio       that archive expanded into a new folder vs unzip
// --mixed100m= names the folder, --standins= the stand-ins' folder,
// --zip-ms= and --unzip-ms= the Linux figures.
#include <windows.h>

#include <cstdio>
#include <string>

#include "archive/win/archive_items.h"
#include "archive/win/archiver_bridge.h"
#include "bench_util.h"
#include "platform/folder_removal.h"

namespace tarvelo::bench {
namespace {

void runArchiveBench(const Report& report) {
    const std::wstring folder = widen(option("mixed100m"));
    const std::wstring standins = widen(option("standins"));
    if (folder.empty() || standins.empty()) {
        std::fprintf(stderr, "archive: --mixed100m= and --standins= are needed (scripts/bench gives them)\n");
        return;
    }
    DLL_DIRECTORY_COOKIE cookie = AddDllDirectory(standins.c_str());
    const std::wstring parent = folder.substr(0, folder.find_last_of(L'\\'));
    const std::wstring archive = folder + L".zip";
    const std::wstring expanded = parent + L"\\mixed100m_out";
    DeleteFileW(archive.c_str());
    platform::removeFolderTree(expanded);

    archive::win::ArchiverBridge bridge;
    double start = nowMs();
    const auto packed = archive::win::compressItem(bridge, folder, parent + L"\\", archive::CompressMode::Individually,
                                                   archive::ArchiveType::Zip, L"", 3, UiLanguage::English);
    const double compressMs = nowMs() - start;
    // Expand a renamed copy: the folder named after the archive must be new.
    MoveFileExW(archive.c_str(), (expanded + L".zip").c_str(), MOVEFILE_REPLACE_EXISTING);
    start = nowMs();
    const auto unpacked = archive::win::expandItem(bridge, expanded + L".zip", true, UiLanguage::English);
    const double expandMs = nowMs() - start;
    if (packed || unpacked) std::fprintf(stderr, "archive: a step failed\n");
    report("compress_100mb_ms", compressMs);
    report("expand_100mb_ms", expandMs);
    const double zipMs = std::atof(option("zip-ms", "0").c_str());
    const double unzipMs = std::atof(option("unzip-ms", "0").c_str());
    if (zipMs > 0) report("compress_100mb_ratio", compressMs / zipMs);
    if (unzipMs > 0) report("expand_100mb_ratio", expandMs / unzipMs);
    DeleteFileW((expanded + L".zip").c_str());
    platform::removeFolderTree(expanded);
    SetCurrentDirectoryW(L"C:\\");
    if (cookie) RemoveDllDirectory(cookie);
}

GroupRegistration archiveGroup("archive-only", runArchiveBench);

}  // namespace
}  // namespace tarvelo::bench
