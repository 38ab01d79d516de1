// Enter on a zip shows its first image over the list, Page Down the next
// one, Esc brings the list back; the expansion folder beside the program
// is gone after exit.
#include <gtest/gtest.h>
#include <objbase.h>

#include "list_fixture.h"
#include "support/wic_images.h"
#include "zip_archive.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::wstring standinFolder() {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path = exe;
    path.resize(path.find_last_of(L'\\'));
    path.resize(path.find_last_of(L'\\'));
    return path + L"\\standins\\";
}

std::string narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
    return s;
}

std::vector<unsigned char> bytesOf(const std::wstring& path) {
    const std::string s = readFileBytes(path);
    return {s.begin(), s.end()};
}

uint32_t listCentre(HWND main) {
    Capture c = captureWindow(GetDlgItem(main, 1000));
    if (c.width == 0 || c.height == 0) return 0xDEADBEEF;
    return c.at(c.width / 2, c.height / 2);
}

TEST(ArchivePreview, ZipImagesStepWithPageDownAndTheFolderGoesAtExit) {
    Sandbox box(L"arcpreview");
    for (const wchar_t* dll : {L"7-ZIP32.DLL", L"UNRAR32.DLL"}) {
        ASSERT_TRUE(CopyFileW((standinFolder() + dll).c_str(), box.file(dll).c_str(), FALSE));
    }
    const std::wstring data = box.makeFolder(L"pics");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ASSERT_TRUE(testing::writeImage(data + L"red.png", GUID_ContainerFormatPng, {testing::solidFrame(200, 100, 0xFFFF0000)}));
    ASSERT_TRUE(testing::writeImage(data + L"blue.png", GUID_ContainerFormatPng, {testing::solidFrame(200, 100, 0xFF0000FF)}));
    CoUninitialize();
    const std::vector<unsigned char> red = bytesOf(data + L"red.png"), blue = bytesOf(data + L"blue.png");
    ASSERT_FALSE(red.empty());
    const std::string text = "not an image";
    // Sorted: a.txt, b/red.png, c.png. The text member comes first.
    const std::vector<standin::ZipEntry> entries = {
        standin::packEntry("a.txt", {text.begin(), text.end()}, 6, 0, 0x21),
        standin::packEntry("b/red.png", red, 6, 0, 0x21),
        standin::packEntry("c.png", blue, 0, 0, 0x21),
    };
    ASSERT_TRUE(standin::writeZip(narrow(data + L"pack.zip"), entries));
    DeleteFileW((data + L"red.png").c_str());
    DeleteFileW((data + L"blue.png").c_str());
    const std::wstring expansion = box.file(L"_expand_temp_");

    TarveloApp app(box, L"\"" + data + L"\"");
    ASSERT_TRUE(app.waitForMainWindow());
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(data + L".."));
    pressKey(VK_DOWN);
    ASSERT_EQ(cursorPath(), data + L"pack.zip");
    EXPECT_FALSE(fileExists(expansion)) << "made on the first archive preview only";

    pressKey(VK_RETURN);
    EXPECT_TRUE(waitUntil([&] { return listCentre(app.mainWindow()) == 0xFF0000; }, 15s))
        << std::hex << listCentre(app.mainWindow());
    screenshot(app.mainWindow(), L"archive-preview-first-image");
    EXPECT_EQ(bytesOf(expansion + L"\\pack.png"), red);
    EXPECT_FALSE(fileExists(expansion + L"\\red.png")) << "renamed after the archive";

    pressKey(VK_NEXT);
    EXPECT_TRUE(waitUntil([&] { return listCentre(app.mainWindow()) == 0x0000FF; }, 15s))
        << std::hex << listCentre(app.mainWindow());
    screenshot(app.mainWindow(), L"archive-preview-page-down");
    EXPECT_EQ(bytesOf(expansion + L"\\pack.png"), blue);

    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return listCentre(app.mainWindow()) != 0x0000FF; }, 10s));
    EXPECT_FALSE(app.waitForExit(1500ms)) << "Esc only ended the preview";
    EXPECT_EQ(cursorPath(), data + L"pack.zip");

    bringToFront(app.mainWindow());
    pressKey(VK_F4, false, false, true);
    ASSERT_TRUE(app.waitForExit(20s));
    EXPECT_FALSE(fileExists(expansion));
    EXPECT_TRUE(fileExists(data + L"pack.zip"));
}

}  // namespace
}  // namespace tarvelo::e2e
