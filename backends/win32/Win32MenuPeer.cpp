// Popup menus: a real popup menu, built for each opening and tracked by the system below the
// control it belongs to.
#include <windows.h>

#include "backends/win32/WideText.h"
#include "backends/win32/Win32Toolkit.h"
#include "toolkit/Control.h"

namespace morvane {

namespace {

// Command ids start at 1: TrackPopupMenuEx returns 0 for a dismissed menu.
class Win32MenuPeer : public MenuPeer {
 public:
  explicit Win32MenuPeer(PopupMenu& menu) : menu_(menu) {}

  // TPM_RETURNCMD hands the pick back instead of posting WM_COMMAND, so the choice is made by
  // the caller; the anchor's rectangle is kept clear, so a menu near the bottom of the screen
  // opens above the control rather than over it. The owner becomes the foreground window
  // first: otherwise a click elsewhere would not dismiss the menu.
  std::optional<int> track(const Control& anchor) override {
    HWND owner = Win32Toolkit::HandleOf(anchor.owner());
    HWND control = Win32Toolkit::HandleOf(anchor);
    HMENU menu = CreatePopupMenu();
    if (!owner || !control || !menu) {
      if (menu) DestroyMenu(menu);
      return std::nullopt;
    }
    UINT id = 1;
    for (const MenuItem& item : menu_.items()) {
      AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), id++, Widen(item.text).c_str());
    }
    RECT place{};
    GetWindowRect(control, &place);
    TPMPARAMS clear{};
    clear.cbSize = sizeof clear;
    clear.rcExclude = place;
    SetForegroundWindow(owner);
    const int picked = static_cast<int>(TrackPopupMenuEx(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON, place.left,
        place.bottom, owner, &clear));
    DestroyMenu(menu);
    if (picked <= 0) return std::nullopt;
    return picked - 1;
  }

 private:
  PopupMenu& menu_;
};

}  // namespace

std::unique_ptr<MenuPeer> Win32Toolkit::createPeer(PopupMenu& menu) {
  return std::make_unique<Win32MenuPeer>(menu);
}

}  // namespace morvane
