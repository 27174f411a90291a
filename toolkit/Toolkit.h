// The backend's side of the toolkit: it creates peers, runs message loops and measures
// text; the shared part keeps the book of loaded and retired windows and the input decisions.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "toolkit/InputRouter.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/ToolkitTypes.h"

namespace morvane {

class Window;
class Control;
class Timer;

// The backend: creates peers, runs message loops and measures text.
class Toolkit {
 public:
  virtual ~Toolkit();
  virtual std::unique_ptr<WindowPeer> createPeer(Window& window) = 0;
  virtual std::unique_ptr<ControlPeer> createPeer(Control& control) = 0;
  virtual std::unique_ptr<TimerPeer> createPeer(Timer& timer) = 0;
  virtual std::unique_ptr<MenuPeer> createPeer(PopupMenu& menu) = 0;
  // Shows the window modally and returns once it is unloaded or hidden; timers keep running.
  virtual void runModal(Window& window) = 0;
  virtual Size measureText(const Font& font, std::string_view text) = 0;
  // Runs the program's events until no window is loaded.
  virtual void run() = 0;

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

 private:
  InputRouter input_{*this};
  std::vector<Window*> loaded_;
  std::vector<std::unique_ptr<Window>> retired_;
  int depth_ = 0;
};

}  // namespace morvane
