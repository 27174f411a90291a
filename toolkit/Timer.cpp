// Timers: enabling and ticking.
#include "toolkit/Timer.h"

#include "toolkit/Toolkit.h"
#include "toolkit/Window.h"

namespace morvane {

Timer::Timer(Window& owner, int intervalMs, bool enabled)
    : owner_(owner), interval_(intervalMs), enabled_(enabled) {
  owner_.add(*this);
}

Timer::~Timer() { owner_.remove(*this); }

bool Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return true;
  enabled_ = enabled;
  return !peer_ || peer_->apply();
}

void Timer::setInterval(int intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  if (peer_) peer_->apply();
}

bool Timer::running() const { return enabled_ && interval_ > 0 && owner_.loaded(); }

void Timer::elapsed() {
  if (running() && tick_) tick_();
}

void Timer::createPeer(Toolkit& toolkit) { peer_ = toolkit.createPeer(*this); }

}  // namespace morvane
