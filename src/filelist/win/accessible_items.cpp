#include "filelist/win/accessible_items.h"

#include <commctrl.h>

#include <atomic>

namespace tarvelo::filelist::win {

namespace {

constexpr UINT_PTR kSubclassId = 0x54415631;  // "TAV1"

BSTR toBstr(const std::wstring& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

}  // namespace

class AccessiblePaneObject final : public IAccessible {
public:
    AccessiblePaneObject(HWND pane, AccessibleItems& items) : pane_(pane), items_(&items) {}

    // The pane is gone: every call fails from now on.
    void disconnect() { items_ = nullptr; pane_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: clients use the vtable; no type information is offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!items_) return CO_E_OBJNOTCONNECTED;
        return AccessibleObjectFromWindow(pane_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                          reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        if (!items_) return CO_E_OBJNOTCONNECTED;
        *count = items_->itemCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!items_) return CO_E_OBJNOTCONNECTED;
        // The items are simple elements, addressed by child id.
        return validChild(child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        *name = nullptr;
        if (!items_) return CO_E_OBJNOTCONNECTED;
        if (isSelf(child)) {
            *name = toBstr(items_->paneName());
            return S_OK;
        }
        if (!validChild(child)) return E_INVALIDARG;
        *name = toBstr(items_->item(child.lVal - 1).name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!value) return E_POINTER;
        *value = nullptr;
        if (!items_) return CO_E_OBJNOTCONNECTED;
        return isSelf(child) || validChild(child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return noText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override { return noText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return noText(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override { return noText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return items_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        if (!items_) return CO_E_OBJNOTCONNECTED;
        if (isSelf(child)) {
            role->vt = VT_I4;
            role->lVal = items_->paneRole();
            return S_OK;
        }
        if (!validChild(child)) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = items_->item(child.lVal - 1).role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        VariantInit(state);
        if (!items_) return CO_E_OBJNOTCONNECTED;
        state->vt = VT_I4;
        if (isSelf(child)) {
            LONG s = STATE_SYSTEM_FOCUSABLE;
            if (GetFocus() == pane_) s |= STATE_SYSTEM_FOCUSED;
            if (!IsWindowVisible(pane_)) s |= STATE_SYSTEM_INVISIBLE;
            state->lVal = s;
            return S_OK;
        }
        if (!validChild(child)) return E_INVALIDARG;
        state->lVal = items_->item(child.lVal - 1).state;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VariantInit(focus);
        if (!items_) return CO_E_OBJNOTCONNECTED;
        if (GetFocus() != pane_) return S_FALSE;
        const int item = items_->focusedItem();
        focus->vt = VT_I4;
        focus->lVal = item >= 0 ? item + 1 : CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        VariantInit(selection);
        if (!items_) return CO_E_OBJNOTCONNECTED;
        // The first selected visible item; a screen reader walks the rest
        // through the children's states.
        const int count = items_->itemCount();
        for (int i = 0; i < count; ++i) {
            if (items_->item(i).state & STATE_SYSTEM_SELECTED) {
                selection->vt = VT_I4;
                selection->lVal = i + 1;
                return S_OK;
            }
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return items_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        if (!items_) return CO_E_OBJNOTCONNECTED;
        RECT r{};
        if (isSelf(child)) {
            GetClientRect(pane_, &r);
        } else if (validChild(child)) {
            r = items_->item(child.lVal - 1).bounds;
        } else {
            return E_INVALIDARG;
        }
        MapWindowPoints(pane_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VariantInit(end);
        if (!items_) return CO_E_OBJNOTCONNECTED;
        const LONG count = items_->itemCount();
        LONG target = 0;
        if (isSelf(start)) {
            if (direction == NAVDIR_FIRSTCHILD) target = 1;
            else if (direction == NAVDIR_LASTCHILD) target = count;
            else return S_FALSE;  // siblings of the pane: the window's own object knows them
        } else if (validChild(start)) {
            const LONG at = start.lVal;
            switch (direction) {
            case NAVDIR_NEXT:
            case NAVDIR_DOWN: target = at + 1; break;
            case NAVDIR_PREVIOUS:
            case NAVDIR_UP: target = at - 1; break;
            default: return S_FALSE;
            }
        } else {
            return E_INVALIDARG;
        }
        if (target < 1 || target > count) return S_FALSE;
        end->vt = VT_I4;
        end->lVal = target;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        VariantInit(hit);
        if (!items_) return CO_E_OBJNOTCONNECTED;
        POINT pt{x, y};
        ScreenToClient(pane_, &pt);
        RECT client{};
        GetClientRect(pane_, &client);
        if (!PtInRect(&client, pt)) return S_FALSE;
        hit->vt = VT_I4;
        hit->lVal = CHILDID_SELF;
        const int count = items_->itemCount();
        for (int i = 0; i < count; ++i) {
            const RECT b = items_->item(i).bounds;
            if (PtInRect(&b, pt)) {
                hit->lVal = i + 1;
                break;
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override {
        return items_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessiblePaneObject() = default;

    static bool isSelf(const VARIANT& v) { return v.vt == VT_I4 && v.lVal == CHILDID_SELF; }
    bool validChild(const VARIANT& v) const {
        return v.vt == VT_I4 && v.lVal >= 1 && v.lVal <= items_->itemCount();
    }
    HRESULT noText(const VARIANT& child, BSTR* text) {
        if (!text) return E_POINTER;
        *text = nullptr;
        if (!items_) return CO_E_OBJNOTCONNECTED;
        return isSelf(child) || validChild(child) ? S_FALSE : E_INVALIDARG;
    }

    std::atomic<ULONG> refs_{1};
    HWND pane_;
    AccessibleItems* items_;
};

bool AccessiblePane::attach(HWND pane, AccessibleItems& items) {
    detach();
    if (!pane) return false;
    object_ = new AccessiblePaneObject(pane, items);
    if (!SetWindowSubclass(pane, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        object_->disconnect();
        object_->Release();
        object_ = nullptr;
        return false;
    }
    pane_ = pane;
    return true;
}

void AccessiblePane::detach() {
    if (pane_) RemoveWindowSubclass(pane_, subclassProc, kSubclassId);
    if (object_) {
        object_->disconnect();
        object_->Release();
        object_ = nullptr;
    }
    pane_ = nullptr;
}

void AccessiblePane::notify(DWORD event, LONG child) const {
    if (pane_) NotifyWinEvent(event, pane_, OBJID_CLIENT, child);
}

LRESULT CALLBACK AccessiblePane::subclassProc(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<AccessiblePane*>(data);
    if (msg == WM_GETOBJECT && static_cast<LONG>(lp) == static_cast<LONG>(OBJID_CLIENT) && self->object_) {
        return LresultFromObject(IID_IAccessible, wp, static_cast<IAccessible*>(self->object_));
    }
    if (msg == WM_NCDESTROY) {
        // The window goes first: stop answering and drop the subclass.
        RemoveWindowSubclass(window, subclassProc, kSubclassId);
        self->pane_ = nullptr;
        if (self->object_) {
            self->object_->disconnect();
            self->object_->Release();
            self->object_ = nullptr;
        }
    }
    return DefSubclassProc(window, msg, wp, lp);
}

}  // namespace tarvelo::filelist::win
