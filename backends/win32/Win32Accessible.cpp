// The system's standard accessible object for a window of our own classes says "client" and
// reads the window text, whatever the control is. Each control answers with an object of
// its own that tells its role, name and state from the portable control and leaves the
// rest (where it is, its neighbours, hit testing) to the standard object.
#include "backends/win32/Win32Accessible.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "backends/win32/SystemLibrary.h"
#include "backends/win32/WideText.h"
#include "backends/win32/Win32Peers.h"

namespace morvane {

namespace {

// oleacc, and oleaut32 for its strings, are loaded from the system folder the first time a
// screen reader asks, never at start. The GUI thread then joins a single-threaded
// apartment, so a reader's calls arrive through its message loop, one at a time.
struct AccessibilityCalls {
  decltype(&CreateStdAccessibleObject) createStandard = nullptr;
  decltype(&LresultFromObject) resultFromObject = nullptr;
  decltype(&SysAllocStringLen) allocString = nullptr;
};

const AccessibilityCalls* Calls() {
  static const AccessibilityCalls calls = [] {
    AccessibilityCalls found;
    HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    HMODULE oleaut = LoadSystemLibrary(L"oleaut32.dll");
    HMODULE ole = LoadSystemLibrary(L"ole32.dll");
    found.createStandard = LibraryFunction<decltype(found.createStandard)>(oleacc, "CreateStdAccessibleObject");
    found.resultFromObject = LibraryFunction<decltype(found.resultFromObject)>(oleacc, "LresultFromObject");
    found.allocString = LibraryFunction<decltype(found.allocString)>(oleaut, "SysAllocStringLen");
    if (auto initialize = LibraryFunction<HRESULT(WINAPI*)(LPVOID, DWORD)>(ole, "CoInitializeEx")) {
      initialize(nullptr, COINIT_APARTMENTTHREADED);
    }
    return found;
  }();
  return calls.createStandard && calls.resultFromObject && calls.allocString ? &calls : nullptr;
}

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = Calls()->allocString(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

LONG RoleNumber(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::EditableText: return ROLE_SYSTEM_TEXT;
    case AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::MenuButton: return ROLE_SYSTEM_BUTTONMENU;
    case AccessibleRole::Graphic: return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::Separator: return ROLE_SYSTEM_SEPARATOR;
    case AccessibleRole::StaticText: break;
  }
  return ROLE_SYSTEM_STATICTEXT;
}

bool Pressable(AccessibleRole role) {
  return role == AccessibleRole::PushButton || role == AccessibleRole::RadioButton || role == AccessibleRole::MenuButton;
}

const wchar_t* DefaultActionName(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::PushButton: return L"Press";
    case AccessibleRole::MenuButton: return L"Open";
    default: return L"Check";
  }
}

// What the toolkit would let input reach: not a control behind a modal dialog, hidden or disabled.
bool Reachable(const Control& control) { return control.owner().toolkit().input().reachable(control); }

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

class ControlAccessible final : public IAccessible {
 public:
  // Takes over the reference to the standard object.
  ControlAccessible(HWND hwnd, IAccessible* standard) : hwnd_(hwnd), standard_(standard) {}
  ~ControlAccessible() { standard_->Release(); }
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Readers call through the vtable; the type-library route is not offered.
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

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    const Control* control = this->control();
    if (!control) return E_FAIL;
    return ReturnText(Widen(control->accessibleName()), name);
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return standard_->get_accRole(child, role);
    if (!role) return E_POINTER;
    const Control* control = this->control();
    if (!control) return E_FAIL;
    role->vt = VT_I4;
    role->lVal = RoleNumber(control->accessibleRole());
    return S_OK;
  }

  // The standard object's state (focus, visibility), with availability and the checked
  // mark taken from the control.
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!IsSelf(child)) return standard_->get_accState(child, state);
    if (!state) return E_POINTER;
    const Control* control = this->control();
    if (!control) return E_FAIL;
    VARIANT standard;
    standard.vt = VT_EMPTY;
    LONG bits = SUCCEEDED(standard_->get_accState(child, &standard)) && standard.vt == VT_I4 ? standard.lVal : 0;
    bits &= ~(STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED);
    if (!Reachable(*control)) bits |= STATE_SYSTEM_UNAVAILABLE;
    if (control->checked()) bits |= STATE_SYSTEM_CHECKED;
    if (control->accessibleRole() == AccessibleRole::StaticText) bits |= STATE_SYSTEM_READONLY;
    if (control->accessibleRole() == AccessibleRole::MenuButton) bits |= STATE_SYSTEM_HASPOPUP;
    state->vt = VT_I4;
    state->lVal = bits;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    const Control* control = IsSelf(child) ? this->control() : nullptr;
    if (!control || control->tooltip().empty()) return standard_->get_accDescription(child, description);
    if (!description) return E_POINTER;
    return ReturnText(Widen(control->tooltip()), description);
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    const Control* control = IsSelf(child) ? this->control() : nullptr;
    if (!control || !Pressable(control->accessibleRole())) return standard_->get_accDefaultAction(child, action);
    if (!action) return E_POINTER;
    return ReturnText(DefaultActionName(control->accessibleRole()), action);
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    const Control* control = IsSelf(child) ? this->control() : nullptr;
    if (!control || !Pressable(control->accessibleRole())) return standard_->accDoDefaultAction(child);
    if (!Reachable(*control)) return E_FAIL;
    return PostMessageW(hwnd_, kAccessibleDefaultAction, 0, 0) ? S_OK : E_FAIL;
  }

  // The rest is the standard object's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT child) override {
    return standard_->accLocation(x, y, w, h, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  // Looked up on every call: a reader may keep the object after the control is gone.
  const Control* control() const {
    if (!IsWindow(hwnd_)) return nullptr;
    auto* peer = dynamic_cast<Win32ControlPeerBase*>(reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(hwnd_, GWLP_USERDATA)));
    return peer ? &peer->control() : nullptr;
  }

  HWND hwnd_;
  IAccessible* standard_;
  LONG references_ = 1;
};

}  // namespace

std::optional<LRESULT> AnswerGetObject(HWND control, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
  const AccessibilityCalls* calls = Calls();
  if (!calls) return std::nullopt;
  IAccessible* standard = nullptr;
  if (FAILED(calls->createStandard(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
      !standard) {
    return std::nullopt;
  }
  auto* object = new (std::nothrow) ControlAccessible(control, standard);
  if (!object) {
    standard->Release();
    return std::nullopt;
  }
  LRESULT result = calls->resultFromObject(__uuidof(IAccessible), wParam, object);
  object->Release();
  return result;
}

void NotifyNameChanged(HWND control) { NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF); }

void NotifyStateChanged(HWND control) { NotifyWinEvent(EVENT_OBJECT_STATECHANGE, control, OBJID_CLIENT, CHILDID_SELF); }

}  // namespace morvane
