#include "archive/archiver_status.h"

#include <gtest/gtest.h>

namespace tarvelo::archive {
namespace {

TEST(ArchiverStatus, TextsForEveryProbeResult) {
    EXPECT_EQ(archiverStatusText(ArchiverLibrary::SevenZip, ProbeResult::Installed, 1905),
              L"7-ZIP32.DLL (Version 19.05) Installed.");
    EXPECT_EQ(archiverStatusText(ArchiverLibrary::Unrar, ProbeResult::Installed, 1230),
              L"UNRAR32.DLL (Version 12.30) Installed.");
    EXPECT_EQ(archiverStatusText(ArchiverLibrary::SevenZip, ProbeResult::Installed, 920),
              L"7-ZIP32.DLL (Version 9.20) Installed.");
    EXPECT_EQ(archiverStatusText(ArchiverLibrary::Unrar, ProbeResult::Installed, 0),
              L"UNRAR32.DLL (Version 0.00) Installed.");
    EXPECT_EQ(archiverStatusText(ArchiverLibrary::SevenZip, ProbeResult::NotFound), L"Not Found: 7-ZIP32.DLL");
    EXPECT_EQ(archiverStatusText(ArchiverLibrary::Unrar, ProbeResult::ImportError), L"Import Error: UNRAR32.DLL");
}

}  // namespace
}  // namespace tarvelo::archive
