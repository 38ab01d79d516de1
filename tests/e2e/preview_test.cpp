// Enter on an image shows it over the list; Down walks to the next image;
// Esc brings the list back and does nothing else; the expansion folder is
// gone after exit. Enter on a media file opens the player window with it.
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

// Near-silent PCM, 0.1 s: a real file of the kind the player is given.
std::string tinyWave() {
    const uint32_t samples = 800;
    std::string w = "RIFF";
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) w.push_back(char((v >> (8 * i)) & 0xFF)); };
    auto u16 = [&](uint16_t v) { for (int i = 0; i < 2; ++i) w.push_back(char((v >> (8 * i)) & 0xFF)); };
    u32(36 + samples);
    w += "WAVEfmt ";
    u32(16);
    u16(1);     // PCM
    u16(1);     // mono
    u32(8000);  // samples a second
    u32(8000);  // bytes a second
    u16(1);
    u16(8);
    w += "data";
    u32(samples);
    w.append(samples, char(0x80));
    return w;
}

// The visible dialog of the process other than its main window.
HWND findPlayer(const TarveloApp& app) {
    struct Search {
        DWORD pid;
        HWND main;
        HWND found;
    } s{app.processId(), app.mainWindow(), nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (pid == s->pid && w != s->main && IsWindowVisible(w) && std::wstring(cls) == L"#32770") {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

TEST(Preview, MediaFileOpensThePlayerWhichTakesTheNextFileAndClosesCleanly) {
    Sandbox box(L"player");
    const std::wstring data = box.makeFolder(L"media");
    box.writeFile(L"media\\a tune.wav", tinyWave());
    box.writeFile(L"media\\b tune.wav", tinyWave());
    // What earlier runs left in the expansion folder goes at exit; a folder
    // that only starts with its name is not the program's and stays.
    box.makeFolder(L"_expand_temp_");
    box.writeFile(L"_expand_temp_\\old.jpg", "left over");
    box.makeFolder(L"_expand_temp_keep");
    box.writeFile(L"_expand_temp_keep\\mine.txt", "mine");

    TarveloApp app(box, L"\"" + data + L"\"");
    ASSERT_TRUE(app.waitForMainWindow());
    bringToFront(app.mainWindow());
    ASSERT_TRUE(waitForCursorPath(data + L".."));

    pressKey(VK_DOWN);
    ASSERT_EQ(cursorPath(), data + L"a tune.wav");
    pressKey(VK_RETURN);
    HWND player = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (player = findPlayer(app)) != nullptr && windowText(player) == L"a tune.wav"; },
                          15s))
        << (player ? windowText(player) : L"no player window").c_str();
    EXPECT_EQ(GetWindow(player, GW_OWNER), app.mainWindow());
    // The player control lives in its host window, which fills the client area.
    HWND host = GetDlgItem(player, 1045);
    ASSERT_NE(host, nullptr);
    EXPECT_NE(GetWindow(host, GW_CHILD), nullptr) << "the control made its window";
    RECT client{}, hosted{};
    GetClientRect(player, &client);
    GetClientRect(host, &hosted);
    EXPECT_EQ(hosted.right, client.right);
    EXPECT_EQ(hosted.bottom, client.bottom);
    screenshot(player, L"preview-media-player");

    // The open player takes the next file: same window, new caption.
    bringToFront(app.mainWindow());
    pressKey(VK_DOWN);
    ASSERT_EQ(cursorPath(), data + L"b tune.wav");
    pressKey(VK_RETURN);
    EXPECT_TRUE(waitUntil([&] { return windowText(player) == L"b tune.wav"; }, 15s)) << windowText(player).c_str();
    EXPECT_EQ(findPlayer(app), player);

    // Esc in the main window closes the player and nothing else.
    bringToFront(app.mainWindow());
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(player); }, 10s));
    EXPECT_FALSE(app.waitForExit(1500ms));
    EXPECT_TRUE(app.responsive());

    // Its own close box: the window goes, the program stays.
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return (player = findPlayer(app)) != nullptr; }, 15s));
    PostMessageW(player, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(player); }, 10s));
    EXPECT_TRUE(app.responsive());

    // Open once more and leave it open: exit closes it with the program.
    bringToFront(app.mainWindow());
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return (player = findPlayer(app)) != nullptr; }, 15s));
    bringToFront(app.mainWindow());
    pressKey(VK_F4, false, false, true);
    ASSERT_TRUE(app.waitForExit(20s));
    EXPECT_EQ(app.exitCode(), 0u);
    EXPECT_EQ(GetFileAttributesW(box.file(L"_expand_temp_").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(readFileBytes(box.file(L"_expand_temp_keep\\mine.txt")), "mine");
}

}  // namespace
}  // namespace tarvelo::e2e
