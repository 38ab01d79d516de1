#pragma once
// Hosts one ActiveX control in place inside a window: the container side of
// OLE that a control asks for (client site, in-place site and frame), with
// nothing that saves, menus or accelerators.
#include <windows.h>
#include <ole2.h>

#include "platform/com_ref.h"

namespace tarvelo::preview::win {

class ControlSite;

class ControlHost {
public:
    ControlHost() = default;
    ~ControlHost() { destroy(); }
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // Creates the control of class clsid and activates it over the whole
    // client area of parent. False (and nothing held) when the class is not
    // registered or refuses to activate.
    bool create(HWND parent, const CLSID& clsid);
    // Deactivates and releases the control; the parent window stays.
    void destroy();
    bool active() const { return static_cast<bool>(object_); }

    // Gives the control a new place inside the parent's client area.
    void resize(const RECT& area);

    // Property put of one string through the control's IDispatch, or
    // through dualInterface when the control does not answer IDispatch.
    bool putString(DISPID id, const wchar_t* value, const IID& dualInterface);

private:
    platform::ComRef<IOleObject> object_;
    ControlSite* site_ = nullptr;  // one reference held while active
};

}  // namespace tarvelo::preview::win
