// A portable timer on a window; it runs while enabled and the window is loaded.
#pragma once

#include <functional>
#include <memory>

#include "toolkit/ToolkitTypes.h"

namespace morvane {

class Window;
class Toolkit;

class Timer {
 public:
  Timer(Window& owner, int intervalMs, bool enabled);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool enabled() const { return enabled_; }
  // False when the system refused to run the timer; it then stays enabled and does not tick.
  bool setEnabled(bool enabled);
  int interval() const { return interval_; }
  void setInterval(int intervalMs);
  Window& owner() const { return owner_; }
  // Running means enabled on a loaded window.
  bool running() const;

  void onTick(std::function<void()> handler) { tick_ = std::move(handler); }
  // The interval passed: the handler runs while the timer is running.
  void elapsed();

  void createPeer(Toolkit& toolkit);
  void destroyPeer() { peer_.reset(); }

 private:
  Window& owner_;
  int interval_;
  bool enabled_;
  std::function<void()> tick_;
  std::unique_ptr<TimerPeer> peer_;
};

}  // namespace morvane
