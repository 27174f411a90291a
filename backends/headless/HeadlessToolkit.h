// The headless backend's toolkit: in-memory peers, virtual time, a scripted pointer, keyboard
// and modal replies, and the little of a window manager that decides activation and the
// keyboard focus, so windows run in native tests as they would on screen.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backends/headless/Raster.h"
#include "backends/headless/VirtualClock.h"
#include "toolkit/Window.h"

namespace morvane {

class HeadlessSystem;

// The key a US keyboard types a character with.
Key KeyOfCharacter(char32_t character);

class HeadlessToolkit : public Toolkit {
 public:
  HeadlessToolkit(VirtualClock& clock, HeadlessSystem& system);

  std::unique_ptr<WindowPeer> createPeer(Window& window) override;
  std::unique_ptr<ControlPeer> createPeer(Label& label) override;
  std::unique_ptr<ControlPeer> createPeer(TextField& field) override;
  std::unique_ptr<ControlPeer> createPeer(Line& line) override;
  std::unique_ptr<ControlPeer> createPeer(Picture& picture) override;
  std::unique_ptr<ControlPeer> createPeer(DrawnControl& control) override;
  std::unique_ptr<TimerPeer> createPeer(Timer& timer) override;
  std::unique_ptr<MenuPeer> createPeer(PopupMenu& menu) override;
  void runModal(Window& window) override;
  // Text is measured as 6 pixels a character and 13 high, about the bar's 8 pt font.
  Size measureText(const Font& font, std::string_view text) override;
  void run() override {}
  std::int64_t inputTimeMs() override { return clock_.elapsedMs(); }

  bool refuseWindows = false;  // the system makes no more windows

  // Time.
  void advance(std::int64_t ms) { clock_.advance(ms, *this); }
  VirtualClock& clock() { return clock_; }

  // Modal windows: each one shown takes the next reply from the script; a modal window
  // with no reply left, or still up after its reply, is closed as the system would close it.
  using ModalReply = std::function<void(Window&)>;
  void onNextModal(ModalReply reply) { modalReplies_.push_back(std::move(reply)); }
  struct ModalRecord {
    std::string caption;
    std::vector<std::string> visibleTexts;  // texts of the visible controls, in order
  };
  const std::vector<ModalRecord>& modalsShown() const { return modalsShown_; }
  std::vector<std::string> visibleTexts(const Window& window) const;

  // Popup menus: each one shown is recorded and takes the next answer from the script (the
  // index picked, or nothing for a dismissal); with no answer left it is dismissed.
  void onNextMenu(std::optional<int> pick) { menuReplies_.push_back(pick); }
  struct MenuRecord {
    std::vector<MenuItem> items;
    std::string anchor;  // the control it opened under
  };
  const std::vector<MenuRecord>& menusShown() const { return menusShown_; }

  // The system's double-click settings, as the backend hands them to the toolkit.
  static constexpr int kDoubleClickMs = 500;
  static constexpr Size kDoubleClickSize{4, 4};

  // Pointer, in screen pixels, stamped with the virtual clock. Presses and moves go to the
  // topmost window under the pointer, or to the one that had the press while a button is
  // held; a window disabled by a modal dialog takes none, and a press on an inactive window
  // activates it first.
  void moveTo(Point screen);
  void press(MouseButton button = MouseButton::Left);
  void release(MouseButton button = MouseButton::Left);
  void click(Control& control);   // move to its centre, press and release the left button
  void clickAt(Point screen);
  void doubleClick(Control& control);  // two clicks in a row, well within the double-click time
  MouseButtons buttons() const { return buttons_; }
  // The next system drag of a window moves it by this much before the button is released.
  void queueDrag(Point delta) { drags_.push_back(delta); }
  int systemDragCount() const { return systemDrags_; }

  // Keyboard: keys go to the window that has the keyboard (the active one) and from there
  // through the toolkit's decisions; what a text field gets it edits as an edit control does.
  void type(std::string_view text);
  // A key with the character it produces, if any, and the modifiers held.
  void key(Key key, char32_t character = 0, Modifiers modifiers = {});
  void altKey(char letter);  // Alt with a letter
  // The system's window manager: activation as another application or the user's Alt+Tab
  // would change it, and who holds the keyboard.
  void activate(Window& window, Activation activation);
  Window* activeWindow() const { return activeWindow_; }
  Control* keyboardFocus() const { return focusWindow_ ? focusControl_ : nullptr; }

  // What peers saw.
  Raster* surfaceOf(const Control& control) const;
  int presents(const Control& control) const;
  // Paints the window's face and its visible controls into a raster of its client size.
  Raster render(const Window& window) const;

 private:
  friend class HeadlessControlPeer;
  friend class HeadlessWindowPeer;
  friend class HeadlessMenuPeer;
  Window* windowAt(Point screen) const;
  Point clientPoint(const Window& window, Point screen) const;
  void changeActivation(Window& window, Activation activation);
  void deactivate(Window& window);
  void giveFocus(Window* window, Control* control);
  void editText(TextField& field, char32_t character);

  VirtualClock& clock_;
  HeadlessSystem& system_;
  std::deque<ModalReply> modalReplies_;
  std::vector<ModalRecord> modalsShown_;
  std::deque<std::optional<int>> menuReplies_;
  std::vector<MenuRecord> menusShown_;
  std::vector<Window*> zOrder_;  // front first
  Window* activeWindow_ = nullptr;
  Window* focusWindow_ = nullptr;    // the window whose control (or itself) has the keyboard
  Control* focusControl_ = nullptr;
  Window* pressedWindow_ = nullptr;  // the system's capture while a button is held
  MouseButtons buttons_;
  std::deque<Point> drags_;
  int systemDrags_ = 0;
};

}  // namespace morvane
