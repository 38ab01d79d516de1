// Copy and delete primitives against the plain platform calls, measured side
// by side in one run (alternating, medians):
//   copy_1g_ms / copy_1g_ratio              one 1 GiB file: copyItem vs CopyFileW
//   copy_10k_small_ms / copy_10k_small_ratio  a folder of 10,000 files of 1-4 KiB:
//                                           copyItem of the folder vs a CopyFileW loop
//   delete_10k_ms / delete_10k_ratio        deleteFile vs a DeleteFileW loop
// Fixtures (made by scripts/bench from the Linux side): --file1g=, --small10k=.
// --transfer-parts= picks some of "1g,10k,delete" (default all).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_util.h"
#include "platform/file_transfer.h"
#include "platform/folder_removal.h"

namespace tarvelo::bench {
namespace {

std::vector<std::wstring> namesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

// The plain way: list the folder, make the target, copy each file.
bool plainFolderCopy(const std::wstring& from, const std::wstring& to) {
    if (!CreateDirectoryW(to.c_str(), nullptr)) return false;
    bool ok = true;
    for (const std::wstring& name : namesIn(from)) {
        ok = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && ok;
    }
    return ok;
}

void runTransferBench(const Report& report) {
    const int runs = std::max(1, std::stoi(option("transfer-runs", "3")));
    const std::wstring big = widen(option("file1g"));
    const std::wstring small = widen(option("small10k"));
    if (big.empty() || small.empty()) {
        std::fprintf(stderr, "transfer: --file1g= and --small10k= name the fixtures (scripts/bench makes them)\n");
        return;
    }
    const std::wstring work = small + L"_work";
    platform::removeFolderTree(work);
    CreateDirectoryW(work.c_str(), nullptr);
    bool allOk = true;
    const std::string parts = option("transfer-parts", "1g,10k,delete");
    auto wanted = [&](const char* part) { return parts.find(part) != std::string::npos; };

    std::vector<double> plain, own;
    const std::wstring plainTarget = work + L"\\plain.bin", ownTarget = work + L"\\own.bin";
    for (int i = 0; i < runs && wanted("1g"); ++i) {
        double t = nowMs();
        allOk = CopyFileW(big.c_str(), plainTarget.c_str(), FALSE) && allOk;
        plain.push_back(nowMs() - t);
        DeleteFileW(plainTarget.c_str());
        t = nowMs();
        allOk = platform::copyItem(big, ownTarget).ok() && allOk;
        own.push_back(nowMs() - t);
        DeleteFileW(ownTarget.c_str());
    }
    if (wanted("1g")) report("copy_1g_ms", median(own));
    if (wanted("1g")) report("copy_1g_plain_ms", median(plain));
    if (wanted("1g")) report("copy_1g_ratio", median(own) / median(plain));

    plain.clear();
    own.clear();
    const std::wstring plainFolder = work + L"\\plain", ownFolder = work + L"\\own";
    for (int i = 0; i < runs && wanted("10k"); ++i) {
        double t = nowMs();
        allOk = plainFolderCopy(small, plainFolder) && allOk;
        plain.push_back(nowMs() - t);
        t = nowMs();
        allOk = platform::copyItem(small, ownFolder).ok() && allOk;
        own.push_back(nowMs() - t);
        platform::removeFolderTree(plainFolder);
        platform::removeFolderTree(ownFolder);
    }
    if (wanted("10k")) {
        report("copy_10k_small_ms", median(own));
        report("copy_10k_small_plain_ms", median(plain));
        report("copy_10k_small_ratio", median(own) / median(plain));
    }

    plain.clear();
    own.clear();
    const std::vector<std::wstring> names = namesIn(small);
    for (int i = 0; i < runs && wanted("delete"); ++i) {
        allOk = plainFolderCopy(small, plainFolder) && plainFolderCopy(small, ownFolder) && allOk;
        double t = nowMs();
        for (const std::wstring& name : names) allOk = DeleteFileW((plainFolder + L"\\" + name).c_str()) && allOk;
        plain.push_back(nowMs() - t);
        t = nowMs();
        for (const std::wstring& name : names) {
            allOk = platform::deleteFile(ownFolder + L"\\" + name, platform::DeleteMode::permanent).ok() && allOk;
        }
        own.push_back(nowMs() - t);
        platform::removeFolderTree(plainFolder);
        platform::removeFolderTree(ownFolder);
    }
    if (wanted("delete")) {
        report("delete_10k_ms", median(own));
        report("delete_10k_plain_ms", median(plain));
        report("delete_10k_ratio", median(own) / median(plain));
    }
    platform::removeFolderTree(work);
    // A figure of a run that failed somewhere means nothing.
    report("transfer_all_ok", allOk ? 1 : 0);
}

GroupRegistration transferGroup("transfer-only", runTransferBench);

}  // namespace
}  // namespace tarvelo::bench
