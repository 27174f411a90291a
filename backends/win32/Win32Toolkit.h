// The Win32 toolkit: real windows and child controls for the portable ones, one window
// procedure for all of them, SetTimer timers, and the message loops. Input leaves here as
// neutral events; the portable toolkit decides what they mean.
#pragma once

#include <windows.h>

#include <map>

#include "toolkit/Window.h"

namespace morvane {

// Every window and control of our own classes has one of these bound to its HWND.
class Win32Peer {
 public:
  virtual ~Win32Peer() = default;
  virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  HWND hwnd() const { return hwnd_; }
  void bind(HWND hwnd) { hwnd_ = hwnd; }

 protected:
  HWND hwnd_ = nullptr;
};

class Win32Toolkit : public Toolkit {
 public:
  explicit Win32Toolkit(HINSTANCE instance);

  std::unique_ptr<WindowPeer> createPeer(Window& window) override;
  std::unique_ptr<ControlPeer> createPeer(Label& label) override;
  std::unique_ptr<ControlPeer> createPeer(TextField& field) override;
  std::unique_ptr<ControlPeer> createPeer(Line& line) override;
  std::unique_ptr<ControlPeer> createPeer(Picture& picture) override;
  std::unique_ptr<ControlPeer> createPeer(DrawnControl& control) override;
  std::unique_ptr<TimerPeer> createPeer(Timer& timer) override;
  std::unique_ptr<MenuPeer> createPeer(PopupMenu& menu) override;  // Win32MenuPeer.cpp
  void runModal(Window& window) override;
  Size measureText(const Font& font, std::string_view text) override;
  void run() override;
  std::int64_t inputTimeMs() override;

  HINSTANCE instance() const { return instance_; }
  // Hands the system's double-click time and distance to the toolkit's input decisions.
  void readDoubleClick();
  static HWND HandleOf(const Window& window);
  static HWND HandleOf(const Control& control);
  // The dpi the window was made for or last moved to; the system's before it exists.
  static int DpiOf(const Window& window);

  // Timers are SetTimer timers on their window, told apart by id.
  UINT_PTR addTimer(Timer& timer);
  void removeTimer(UINT_PTR id);
  void tick(UINT_PTR id);

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static constexpr const wchar_t* kWindowClass = L"Morvane.Window";
  static constexpr const wchar_t* kLabelClass = L"Morvane.Label";
  static constexpr const wchar_t* kLineClass = L"Morvane.Line";
  static constexpr const wchar_t* kPictureClass = L"Morvane.Picture";
  static constexpr const wchar_t* kButtonClass = L"Morvane.xpcmdbutton";

 private:
  void pump(MSG& msg);

  HINSTANCE instance_;
  std::map<UINT_PTR, Timer*> timers_;
  UINT_PTR nextTimerId_ = 1;
};

}  // namespace morvane
