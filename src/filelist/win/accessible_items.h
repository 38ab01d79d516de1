#pragma once
// An MSAA face for an owner-drawn pane: the pane answers WM_GETOBJECT with
// one IAccessible whose simple children are the pane's items (list rows,
// bar buttons). What the items are comes from an AccessibleItems source the
// pane's owner implements; the COM object asks it afresh on every call, so
// it is never stale, and it stops answering once the pane is gone (a screen
// reader may hold the object longer than the window lives).
#include <windows.h>
#include <oleacc.h>

#include <string>

namespace tarvelo::filelist::win {

struct AccessibleItem {
    std::wstring name;
    LONG role = ROLE_SYSTEM_LISTITEM;
    LONG state = 0;  // STATE_SYSTEM_* bits
    RECT bounds{};   // pane client coordinates
};

class AccessibleItems {
public:
    virtual ~AccessibleItems() = default;
    virtual LONG paneRole() const = 0;
    virtual std::wstring paneName() const = 0;
    virtual int itemCount() const = 0;
    // index 0 .. itemCount() - 1.
    virtual AccessibleItem item(int index) const = 0;
    // The focused item, -1 for none.
    virtual int focusedItem() const { return -1; }
};

class AccessiblePaneObject;

// Owns the subclass of one pane window and its accessible object. Attach
// after the window exists; the destructor (or detach) removes both.
class AccessiblePane {
public:
    AccessiblePane() = default;
    ~AccessiblePane() { detach(); }
    AccessiblePane(const AccessiblePane&) = delete;
    AccessiblePane& operator=(const AccessiblePane&) = delete;

    bool attach(HWND pane, AccessibleItems& items);
    void detach();
    HWND hwnd() const { return pane_; }
    // Raises a WinEvent for a child (1-based) or the pane (CHILDID_SELF).
    void notify(DWORD event, LONG child) const;

private:
    static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    HWND pane_ = nullptr;
    AccessiblePaneObject* object_ = nullptr;  // one reference held
};

}  // namespace tarvelo::filelist::win
