// The release zip as a user gets it: unpacked into a fresh folder (by
// tests/package/run_package_test.sh, which sets TARVELO_PACKAGE_DIR), it holds
// the program, its library and texts, the program carries its version
// resource, and it starts from that folder with its settings beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/e2e_driver.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::wstring envText(const char* name) {
    const char* v = std::getenv(name);
    if (!v) return L"";
    const int n = MultiByteToWideChar(CP_UTF8, 0, v, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, v, -1, out.data(), n);
    return out;
}

std::string narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

std::wstring versionString(const std::vector<BYTE>& info, const wchar_t* key) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return L"<none>";
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST(Package, UnpackedZipHoldsTheReleaseAndRunsFromItsFolder) {
    const std::wstring folder = envText("TARVELO_PACKAGE_DIR");
    if (folder.empty()) GTEST_SKIP() << "TARVELO_PACKAGE_DIR not set: run through tests/package/run_package_test.sh";
    Sandbox box(Sandbox::Existing{}, folder);
    const std::wstring version = envText("TARVELO_PACKAGE_VERSION");

    for (const wchar_t* name : {L"Tarvelo.exe", L"README.txt", L"LICENSE.txt"}) {
        EXPECT_TRUE(fileExists(box.file(name))) << narrow(name);
    }
    if (envText("TARVELO_PACKAGE_EXPECT_DLL") == L"1") {
        EXPECT_TRUE(fileExists(box.file(L"Torvi32.dll")));
    }
    // The readme has both halves.
    const std::string readme = readFileBytes(box.file(L"README.txt"));
    EXPECT_NE(readme.find("Nothing to install"), std::string::npos);
    EXPECT_NE(readme.find("\xE3\x82\xA4\xE3\x83\xB3\xE3\x82\xB9\xE3\x83\x88\xE3\x83\xBC\xE3\x83\xAB"), std::string::npos);  // インストール
    EXPECT_NE(readme.find("\r\n"), std::string::npos);

    // Explorer's Details tab: product name, version, a neutral company, and
    // the fixed version numbers agreeing with the text.
    const std::wstring exe = box.exePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
    EXPECT_EQ(narrow(versionString(info, L"ProductName")), "Tarvelo");
    EXPECT_EQ(narrow(versionString(info, L"CompanyName")), "Tarvelo developers");
    EXPECT_EQ(narrow(versionString(info, L"ProductVersion")), narrow(version));
    EXPECT_EQ(narrow(versionString(info, L"FileVersion")), narrow(version));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength));
    const std::wstring fixedText = std::to_wstring(HIWORD(fixed->dwProductVersionMS)) + L"." +
                                   std::to_wstring(LOWORD(fixed->dwProductVersionMS));
    EXPECT_EQ(narrow(fixedText), narrow(version));

    // Started from the unpacked folder: its settings file appears beside it.
    {
        TarveloApp app(box);
        ASSERT_TRUE(app.started());
        ASSERT_NE(app.waitForMainWindow(), nullptr);
        bringToFront(app.mainWindow());
        pressKey(VK_F4, false, false, true);
        ASSERT_TRUE(app.waitForExit(15s));
        EXPECT_EQ(app.exitCode(), 0u);
    }
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(box.file(L"Tarvelo_*@*.ini").c_str(), &data);
    EXPECT_NE(find, INVALID_HANDLE_VALUE) << "no settings file beside the unpacked program";
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

}  // namespace
}  // namespace tarvelo::e2e
