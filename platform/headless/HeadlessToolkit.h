// The headless backend's toolkit: in-memory peers, virtual time, and a scripted pointer,
// keyboard and modal replies, so windows run in native tests as they would on screen.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/Raster.h"
#include "platform/headless/VirtualClock.h"
#include "platform/Window.h"

namespace morvane {

class HeadlessSystem;

class HeadlessToolkit : public Toolkit {
 public:
  HeadlessToolkit(VirtualClock& clock, HeadlessSystem& system);

  std::unique_ptr<WindowPeer> createPeer(Window& window) override;
  std::unique_ptr<ControlPeer> createPeer(Control& control) override;
  std::unique_ptr<TimerPeer> createPeer(Timer& timer) override;
  void runModal(Window& window) override;
  // Text is measured as 6 pixels a character and 13 high, about the bar's 8 pt font.
  Size measureText(const Font& font, std::string_view text) override;
  void run() override {}

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

  // Pointer, in screen pixels. Moves go to the control or window under the pointer, or to
  // the one that holds the capture while a button is down.
  void moveTo(Point screen);
  void press(int button = kLeftButton);
  void release(int button = kLeftButton);
  void click(Control& control);   // move to its centre, press and release the left button
  void clickAt(Point screen);
  int buttons() const { return buttons_; }
  // The next system drag of a window moves it by this much before the button is released.
  void queueDrag(Point delta) { drags_.push_back(delta); }
  int systemDragCount() const { return systemDrags_; }

  // Keyboard: keys go to the focused control of the window that has the keyboard.
  void type(std::string_view text);
  void key(int keyCode, int keyAscii = 0);  // a key with the character it produces, if any
  Control* keyboardFocus() const;
  void activate(Window& window, std::uint32_t state);

  // What peers saw.
  Raster* surfaceOf(const Control& control) const;
  int presents(const Control& control) const;
  // Paints the window's face and its visible controls into a raster of its client size.
  Raster render(const Window& window) const;

 private:
  friend class HeadlessControlPeer;
  friend class HeadlessWindowPeer;
  struct Target {
    Window* window = nullptr;
    Control* control = nullptr;
    Point local;
  };
  Target hitTest(Point screen) const;
  Point localPoint(const Target& target, Point screen) const;
  void editText(Control& field, int keyAscii);
  void deliverKey(Control& control, int keyCode, int keyAscii);

  VirtualClock& clock_;
  HeadlessSystem& system_;
  std::deque<ModalReply> modalReplies_;
  std::vector<ModalRecord> modalsShown_;
  std::vector<Window*> zOrder_;  // front first
  Window* activeWindow_ = nullptr;
  Target capture_;
  int buttons_ = 0;
  std::deque<Point> drags_;
  int systemDrags_ = 0;
};

}  // namespace morvane
