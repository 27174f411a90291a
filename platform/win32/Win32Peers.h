// Peers that put the portable windows and controls on real HWNDs.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/Win32Toolkit.h"

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

class Win32WindowPeer : public WindowPeer, public Win32Peer {
 public:
  Win32WindowPeer(Win32Toolkit& toolkit, Window& window);
  ~Win32WindowPeer() override;

  void apply(Prop what) override;
  void makeTopmost() override;
  void beginSystemDrag() override;
  void trackActivation() override;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND tooltips();
  Window& window() const { return window_; }

 private:
  static LRESULT CALLBACK ActivationWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT mouse(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();

  Win32Toolkit& toolkit_;
  Window& window_;
  WNDPROC oldWndProc_ = nullptr;
  HWND tooltips_ = nullptr;
  bool leftPressed_ = false;
  AliveToken alive_;
};

class Win32ControlPeerBase : public ControlPeer, public Win32Peer {
 public:
  Win32ControlPeerBase(Win32Toolkit& toolkit, Control& control) : toolkit_(toolkit), control_(control) {}
  ~Win32ControlPeerBase() override;
  HWND handleOf() const { return hwnd_; }
  Control& control() const { return control_; }
  void apply(Prop what) override;
  Point screenToClient(Point screen) override;

 protected:
  void create(const char* className, DWORD style, DWORD exStyle = 0);
  // Runs a host notification; false when the peer was destroyed by it.
  bool dispatch(const std::function<void()>& notify);
  bool setCursor();
  void hovered(UINT message, WPARAM wParam, LPARAM lParam);

  Win32Toolkit& toolkit_;
  Control& control_;
  AliveToken alive_;
  bool tooltipAdded_ = false;
};

std::unique_ptr<ControlPeer> MakeControlPeer(Win32Toolkit& toolkit, Control& control);

}  // namespace morvane
