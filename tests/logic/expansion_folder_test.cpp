#include "preview/expansion_folder.h"

#include <gtest/gtest.h>

namespace tarvelo::preview {
namespace {

TEST(ExpansionFolder, OnlyBesideAPlainAbsoluteProgramFolder) {
    struct Case {
        const wchar_t* moduleFolder;
        const wchar_t* expected;  // empty: nothing may be removed
    };
    const Case cases[] = {
        {L"C:\\Tools\\Tarvelo\\", L"C:\\Tools\\Tarvelo\\_expand_temp_\\"},
        {L"D:\\", L"D:\\_expand_temp_\\"},
        {L"\\\\server\\share\\apps\\", L"\\\\server\\share\\apps\\_expand_temp_\\"},
        {L"C:\\Tools\\日本語\\", L"C:\\Tools\\日本語\\_expand_temp_\\"},
        {L"", L""},
        {L"C:\\Tools\\Tarvelo", L""},           // no trailing backslash
        {L"Tools\\Tarvelo\\", L""},             // relative
        {L"\\Tools\\", L""},                    // rooted without a drive
        {L"C:Tools\\", L""},                    // drive-relative
        {L"C:\\Tools\\..\\", L""},              // climbs out
        {L"C:\\Tools\\.\\", L""},
        {L"C:\\Tools\\\\x\\", L""},             // empty part
        {L"C:\\Tools/x\\", L""},                // forward slash
        {L"C:\\Tools\\*\\", L""},
        {L"C:\\Tools\\a:b\\", L""},             // stream name
        {L"C:\\Tools\\x. \\", L""},             // trailing dot or space is dropped by the system
        {L"\\\\?\\C:\\Tools\\", L""},
        {L"\\\\.\\C:\\", L""},
        {L"\\\\server\\", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(expansionFolderFor(c.moduleFolder), c.expected) << c.moduleFolder;
}

}  // namespace
}  // namespace tarvelo::preview
