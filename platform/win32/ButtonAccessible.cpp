#include "platform/win32/ButtonAccessible.h"

#include <oleacc.h>
#include <wrl/client.h>

#include <new>
#include <string>
#include <utility>

#include "platform/Caption.h"
#include "platform/win32/Apartment.h"
#include "platform/win32/PictureButton.h"
#include "platform/win32/SystemFunctions.h"
#include "platform/win32/WindowClasses.h"

namespace torvane::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// The functions of the screen readers' objects, in the UI thread's apartment:
// marshalling an object to the asking process needs one.
bool AccessibilityAvailable() {
    return EnterUiApartment() && Bound<system32::kLresultFromObject>() &&
           Bound<system32::kCreateStdAccessibleObject>() && Bound<system32::kSysAllocString>();
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Whether pressing the button would start anything, as for a standard
// button: not when it is disabled, nor while the panel takes no clicks. A
// child's IsWindowEnabled does not say that its parent window is disabled.
bool Available(HWND button) {
    return IsWindowEnabled(button) && SendMessageW(GetAncestor(button, GA_ROOT), kTakesClicksQuery, 0, 0) != 0;
}

HRESULT Integer(VARIANT* out, LONG value) {
    if (out == nullptr) return E_POINTER;
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

HRESULT String(BSTR* out, const std::wstring& value) {
    if (out == nullptr) return E_POINTER;
    *out = Bound<system32::kSysAllocString>()(value.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The button's own answers: name, role, state and default action. Where it
// sits, its parent and its neighbours come from the system's object for the
// window, as for any control.
class ButtonAccessible final : public IAccessible, public IOleWindow {
public:
    ButtonAccessible(HWND button, ComPtr<IAccessible> standard) : button_(button), standard_(std::move(standard)) {}
    ButtonAccessible(const ButtonAccessible&) = delete;
    ButtonAccessible& operator=(const ButtonAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (iid == __uuidof(IOleWindow)) {
            *out = static_cast<IOleWindow*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        const PictureButton* button = PictureButton::Of(button_);
        return button != nullptr ? String(name, SpokenCaption(button->Caption())) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return IsSelf(child) ? Integer(role, ROLE_SYSTEM_PUSHBUTTON) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!IsWindow(button_)) return E_FAIL;
        LONG bits = Available(button_) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
        if (GetFocus() == button_) bits |= STATE_SYSTEM_FOCUSED;
        if (!IsWindowVisible(button_)) bits |= STATE_SYSTEM_INVISIBLE;
        return Integer(state, bits);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        const PictureButton* button = PictureButton::Of(button_);
        return button != nullptr ? String(action, button->PressAction()) : E_FAIL;
    }
    // As a click: posted, so that the asking program is not held while the
    // application starts (stopping stale processes first can take seconds).
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return E_INVALIDARG;
        if (!Available(button_) || !IsWindowVisible(button_)) return E_FAIL;
        return PostMessageW(button_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        if (child != nullptr) *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR*, VARIANT, LONG*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR*) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return standard_->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }

    // IOleWindow: how oleacc and UI Automation find the window of the object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) return E_POINTER;
        *window = button_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    ~ButtonAccessible() = default;

    LONG references_ = 1;
    HWND button_;
    ComPtr<IAccessible> standard_;
};

}  // namespace

LRESULT AnswerGetObject(HWND button, WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT || !AccessibilityAvailable()) return 0;
    ComPtr<IAccessible> standard;
    if (FAILED(Bound<system32::kCreateStdAccessibleObject>()(button, OBJID_CLIENT, __uuidof(IAccessible),
                                                             reinterpret_cast<void**>(standard.GetAddressOf())))) {
        return 0;
    }
    ComPtr<IAccessible> object;
    object.Attach(new (std::nothrow) ButtonAccessible(button, std::move(standard)));
    if (!object) return 0;
    return Bound<system32::kLresultFromObject>()(__uuidof(IAccessible), flags, object.Get());
}

}  // namespace torvane::win32
