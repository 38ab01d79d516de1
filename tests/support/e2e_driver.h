#pragma once
// Starts Tarvelo.exe as a user would and drives it from outside: finds its
// window, types keys, reads texts, answers message boxes, takes screenshots.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvelo::e2e {

// Polls until pred() holds or the timeout passes; true when it held.
bool waitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout,
               std::chrono::milliseconds step = std::chrono::milliseconds(50));

// A private copy of the program in a fresh folder, so that its settings and
// data files (written beside the executable) belong to one test.
class Sandbox {
public:
    explicit Sandbox(const std::wstring& name);
    // An existing folder holding Tarvelo.exe (an unpacked release), used as
    // it is: nothing copied in, nothing deleted at the end.
    struct Existing {};
    Sandbox(Existing, const std::wstring& folder);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::wstring& folder() const { return folder_; }  // trailing backslash
    std::wstring exePath() const { return folder_ + L"Tarvelo.exe"; }
    std::wstring file(const std::wstring& name) const { return folder_ + name; }
    // A folder inside the sandbox for fixtures (created).
    std::wstring makeFolder(const std::wstring& relative) const;
    void writeFile(const std::wstring& relative, const std::string& bytes) const;

private:
    std::wstring folder_;
    bool owned_ = true;
};

class TarveloApp {
public:
    // Starts the program with an argument line; extraEnv adds NAME=VALUE pairs.
    TarveloApp(const Sandbox& sandbox, const std::wstring& arguments = L"",
               const std::vector<std::wstring>& extraEnv = {});
    ~TarveloApp();  // ends the process if it still runs
    TarveloApp(const TarveloApp&) = delete;
    TarveloApp& operator=(const TarveloApp&) = delete;

    bool started() const { return process_ != nullptr; }
    // Waits for the main window (a dialog of this process titled "Tarvelo...").
    HWND waitForMainWindow(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    HWND mainWindow() const { return main_; }
    std::wstring title() const;
    DWORD processId() const { return pid_; }
    // Waits for the process to end; true when it did.
    bool waitForExit(std::chrono::milliseconds timeout);
    DWORD exitCode() const;
    // A message box (dialog class #32770 other than the main window) of the process.
    HWND findMessageBox() const;
    // True while the UI thread answers messages.
    bool responsive() const;
    // A visible pop-up menu (class #32768) of the process.
    HWND findPopupMenu() const;

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    HWND main_ = nullptr;
};

// Keyboard input through SendInput to the foreground window.
void bringToFront(HWND window);
void pressKey(WORD vk, bool ctrl = false, bool shift = false, bool alt = false);
void typeText(const std::wstring& text);

// A left click (or double click) at a point of a window's client area.
void clickAt(HWND window, int x, int y, bool doubleClick = false);

// Mouse button down / moves / up at client points of a window, for drags.
void mouseDown(HWND window, int x, int y, bool right = false);
void mouseMoveTo(HWND window, int x, int y);
void mouseUp(bool right = false);

// Drags the files from a separate helper program (tarvelo_drag_in.exe, beside
// the tests) onto a screen point through the OLE drag loop, as another
// application does. Returns the helper's exit code: 0 when the window there
// took a copy, 2 when it never accepted, 3 when the drop copied nothing,
// -1 when the helper did not start or end in time.
int dragFilesFromAnotherProgram(POINT screen, const std::vector<std::wstring>& paths,
                                std::chrono::milliseconds timeout = std::chrono::seconds(60));

// The clipboard's Unicode text (empty when none); clearing it.
std::wstring clipboardText();
void clearClipboard();

std::wstring windowText(HWND window);
// Texts of the static controls of a dialog (a message box's message).
std::wstring dialogStaticText(HWND dialog);
void clickButton(HWND dialog, int id);

// Saves the window's screen area as a PNG (a BMP when encoding fails) in the
// artifacts folder: TARVELO_ARTIFACTS (a Linux path), else the build tree's
// build/artifacts; returns its path.
std::wstring screenshot(HWND window, const std::wstring& name);

// The window's screen pixels, row-major, 0x00RRGGBB.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture captureWindow(HWND window);

std::string readFileBytes(const std::wstring& path);
bool fileExists(const std::wstring& path);
// UTF-16LE file content (BOM skipped when present) as text.
std::wstring readUtf16File(const std::wstring& path);

}  // namespace tarvelo::e2e
