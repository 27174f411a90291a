// The backend's side of the toolkit: it creates peers, runs message loops and measures
// text; the shared part keeps the book of loaded and retired windows and the input decisions.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/system.h"
#include "toolkit/InputRouter.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/ToolkitTypes.h"

namespace morvane {

class Window;
class Label;
class TextField;
class Line;
class Picture;
class DrawnControl;
class Timer;

// The backend: creates peers, runs message loops and measures text.
class Toolkit {
 public:
  virtual ~Toolkit();
  virtual std::unique_ptr<WindowPeer> createPeer(Window& window) = 0;
  // One peer for each kind of control.
  virtual std::unique_ptr<ControlPeer> createPeer(Label& label) = 0;
  virtual std::unique_ptr<ControlPeer> createPeer(TextField& field) = 0;
  virtual std::unique_ptr<ControlPeer> createPeer(Line& line) = 0;
  virtual std::unique_ptr<ControlPeer> createPeer(Picture& picture) = 0;
  virtual std::unique_ptr<ControlPeer> createPeer(DrawnControl& control) = 0;
  virtual std::unique_ptr<TimerPeer> createPeer(Timer& timer) = 0;
  virtual std::unique_ptr<MenuPeer> createPeer(PopupMenu& menu) = 0;
  // Shows the window modally and returns once it is unloaded or hidden; timers keep running.
  virtual void runModal(Window& window) = 0;
  virtual Size measureText(const Font& font, std::string_view text) = 0;
  // Runs the program's events until no window is loaded.
  virtual void run() = 0;
  // The clock the backend stamps pointer presses with, in milliseconds.
  virtual std::int64_t inputTimeMs() = 0;

  // Book-keeping shared by the backends.
  void windowLoaded(Window& window);
  void windowUnloaded(Window& window);
  int loadedWindowCount() const { return static_cast<int>(loaded_.size()); }
  const std::vector<Window*>& loadedWindows() const { return loaded_; }
  // Keeps an unloaded window object alive until control is back in the outermost loop,
  // since it may be unloaded from inside one of its own handlers.
  void retire(std::unique_ptr<Window> window);
  void releaseRetired();
  int dispatchDepth() const { return depth_; }
  // A modal loop counts as a handler in progress: whoever opened it still holds its window.
  void enterModal() { ++depth_; }
  void leaveModal() { --depth_; }

  // Every notification enters the portable code through here: nothing thrown by a
  // handler crosses back into the backend.
  void dispatch(const std::function<void()>& handler) noexcept;

  // Where the backend pushes its neutral input.
  InputRouter& input() { return input_; }
  // Where the backend pushes what the system tells of its own accord (a resume, a clock
  // change), and who hears it.
  void systemEvent(SystemEvent event);
  void onSystemEvent(std::function<void(SystemEvent)> handler) { systemEvent_ = std::move(handler); }

 private:
  InputRouter input_{*this};
  std::vector<Window*> loaded_;
  std::vector<std::unique_ptr<Window>> retired_;
  int depth_ = 0;
  std::function<void(SystemEvent)> systemEvent_;
};

}  // namespace morvane
