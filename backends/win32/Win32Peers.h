// Peers that put the portable windows and controls on real HWNDs.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/DpiScale.h"
#include "platform/ScaledSurface.h"
#include "backends/win32/Win32Toolkit.h"

namespace morvane {

// A peer may be destroyed by the very handler it dispatches to (a button that closes its
// window); it checks this token before touching itself again.
class AliveToken {
 public:
  AliveToken() : alive_(std::make_shared<bool>(true)) {}
  ~AliveToken() { *alive_ = false; }
  std::weak_ptr<bool> watch() const { return alive_; }

 private:
  std::shared_ptr<bool> alive_;
};

inline bool StillAlive(const std::weak_ptr<bool>& watch) {
  auto alive = watch.lock();
  return alive && *alive;
}

// Mouse messages of any of the program's windows (a top-level window or one of its
// controls) as neutral pointer input for the top-level window, in its client pixels. With
// `ownCapture` the message's window holds the capture while a button is down; an edit
// control captures for itself.
void PushPointer(Win32Toolkit& toolkit, Window& window, HWND from, UINT message, WPARAM wParam, LPARAM lParam,
                 bool ownCapture);
bool IsPointerMessage(UINT message);
// What a window or control that the program draws itself answers alike: pointer input goes to
// the toolkit, and the face is painted whole, its background never erased first. Nothing for
// any other message.
std::optional<LRESULT> AnswerDrawnMessage(Win32Toolkit& toolkit, Window& window, HWND hwnd, UINT message,
                                          WPARAM wParam, LPARAM lParam, const std::function<void()>& paint);

// A key or character message as neutral key input for the window; a key-up is pushed apart
// (see PushKeyUp), since an edit control sees it first. When the toolkit did not handle it,
// the system's own handling takes the message as it came.
KeyResult PushKey(Win32Toolkit& toolkit, Window& window, UINT message, WPARAM wParam);
void PushKeyUp(Win32Toolkit& toolkit, Window& window, UINT message, WPARAM wParam);
// A key message of a window or drawn control: to the toolkit, then what it left to the
// default procedure unless the handler destroyed the peer.
LRESULT DefaultKeyMessage(Win32Toolkit& toolkit, Window& window, HWND hwnd, const AliveToken& alive, UINT message,
                          WPARAM wParam, LPARAM lParam);
// An activation message's whole WPARAM: how it was activated and whether it is minimized.
Activation ActivationOf(WPARAM wParam);

class Win32WindowPeer : public WindowPeer, public Win32Peer {
 public:
  Win32WindowPeer(Win32Toolkit& toolkit, Window& window);
  ~Win32WindowPeer() override;

  void apply(Prop what) override;
  void makeTopmost() override;
  void beginSystemDrag() override;
  void activate() override;
  void focusSelf() override;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND tooltips();
  Window& window() const { return window_; }
  int dpi() const { return dpi_; }

 private:
  void paint();
  RECT pixelRect(Rect bounds) const;
  Rect unitRect(RECT pixels) const;
  void dpiChanged(int dpi, const RECT& suggested);

  Win32Toolkit& toolkit_;
  Window& window_;
  DWORD style_ = 0;
  int dpi_;
  HWND tooltips_ = nullptr;
  AliveToken alive_;
};

class Win32ControlPeerBase : public ControlPeer, public Win32Peer {
 public:
  Win32ControlPeerBase(Win32Toolkit& toolkit, Control& control) : toolkit_(toolkit), control_(control) {}
  ~Win32ControlPeerBase() override;
  HWND handleOf() const { return hwnd_; }
  Control& control() const { return control_; }
  int dpi() const { return Win32Toolkit::DpiOf(control_.owner()); }
  void apply(Prop what) override;
  Point screenToClient(Point screen) override;

 protected:
  void create(const wchar_t* className, DWORD style, DWORD exStyle = 0);
  void loadCursor();
  // The control's font as made for its window's dpi.
  HFONT fontHandle() const;
  // Runs a toolkit notification; false when the peer was destroyed by it.
  bool dispatch(const std::function<void()>& notify);
  bool setCursor();
  void relayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);

  Win32Toolkit& toolkit_;
  Control& control_;
  AliveToken alive_;
  bool tooltipAdded_ = false;
};

HWND ParentHandle(const Control& control);

}  // namespace morvane
