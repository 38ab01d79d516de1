// Enter on an image shows it over the list; Down walks to the next image;
// Esc brings the list back and does nothing else.
#include <gtest/gtest.h>
#include <objbase.h>

#include "list_fixture.h"
#include "support/wic_images.h"

namespace tarvelo::e2e {
namespace {

using namespace std::chrono_literals;

std::wstring binFolder() {
    wchar_t exe[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The colour at the centre of the list control, 0x00RRGGBB.
uint32_t listCentre(HWND main) {
    HWND list = GetDlgItem(main, 1000);
    Capture c = captureWindow(list);
    if (c.width == 0 || c.height == 0) return 0xDEADBEEF;
    return c.at(c.width / 2, c.height / 2);
}

TEST(Preview, EnterShowsTheImageDownWalksEscReturns) {
    Sandbox box(L"preview");
    ASSERT_TRUE(CopyFileW((binFolder() + L"Torvi32.dll").c_str(), box.file(L"Torvi32.dll").c_str(), FALSE));
    const std::wstring data = box.makeFolder(L"pics");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ASSERT_TRUE(testing::writeImage(data + L"a.png", GUID_ContainerFormatPng, {testing::solidFrame(200, 100, 0xFFFF0000)}));
    ASSERT_TRUE(testing::writeImage(data + L"b.png", GUID_ContainerFormatPng, {testing::solidFrame(200, 100, 0xFF0000FF)}));
    box.writeFile(L"pics\\c.txt", "text");
    CoUninitialize();

    TarveloApp app(box, L"\"" + data + L"\"");
    ASSERT_TRUE(app.waitForMainWindow());
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(data + L".."));

    pressKey(VK_DOWN);
    ASSERT_EQ(cursorPath(), data + L"a.png");
    pressKey(VK_RETURN);
    EXPECT_TRUE(waitUntil([&] { return listCentre(app.mainWindow()) == 0xFF0000; }, 10s))
        << std::hex << listCentre(app.mainWindow());
    screenshot(app.mainWindow(), L"preview-a-png");

    pressKey(VK_DOWN);
    EXPECT_TRUE(waitUntil([&] { return listCentre(app.mainWindow()) == 0x0000FF; }, 10s))
        << std::hex << listCentre(app.mainWindow());
    screenshot(app.mainWindow(), L"preview-b-png");

    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return listCentre(app.mainWindow()) != 0x0000FF; }, 10s));
    screenshot(app.mainWindow(), L"preview-back-to-list");
    // Esc only ended the preview: the program runs on, the cursor on b.png.
    EXPECT_FALSE(app.waitForExit(1500ms));
    EXPECT_EQ(cursorPath(), data + L"b.png");
}

}  // namespace
}  // namespace tarvelo::e2e
