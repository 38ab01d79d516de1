#pragma once
// The modeless media player: a dialog that hosts the system's media player
// control over its whole client area and plays the file it is given. One
// window at a time; its last place is kept while the program runs.
#include <windows.h>

#include <string>

#include "preview/win/control_host.h"

namespace tarvelo::preview::win {

class MediaPlayer {
public:
    MediaPlayer() = default;
    ~MediaPlayer() { close(); }
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Opens the window (if it is not open) owned by owner, then sets its
    // caption to the file's name and hands the control the path. False when
    // the window could not be made; a missing control leaves an empty window.
    bool play(HINSTANCE instance, HWND owner, const std::wstring& path);

    // Remembers the window's place, then destroys it. Nothing when closed.
    void close();

    bool open() const { return window_ != nullptr; }
    HWND window() const { return window_; }

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    bool openWindow(HINSTANCE instance, HWND owner);
    void fillClientArea();

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    RECT lastPlace_{};  // the normal-position rectangle; empty until closed once
    ControlHost control_;
};

}  // namespace tarvelo::preview::win
