// Timers on virtual time.
#include "backends/headless/VirtualClock.h"

#include <algorithm>

#include "toolkit/Window.h"

namespace morvane {

using std::chrono::duration_cast;
using std::chrono::milliseconds;
using std::chrono::seconds;

VirtualClock::VirtualClock(LocalTime start, HeadlessTimeZone zone)
    : zone_(zone), clockOffsetMs_(duration_cast<milliseconds>(zone_.firstShowing(start).time_since_epoch()).count()) {}

Instant VirtualClock::instant() const {
  std::int64_t ms = clockOffsetMs_ + elapsedMs_;
  std::int64_t s = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
  return Instant(seconds(s));
}

void VirtualClock::setInstant(Instant time) {
  // The part of a second already run, counted the same way before 1970 as after.
  std::int64_t subsecond = (((clockOffsetMs_ + elapsedMs_) % 1000) + 1000) % 1000;
  clockOffsetMs_ = duration_cast<milliseconds>(time.time_since_epoch()).count() + subsecond - elapsedMs_;
}

void VirtualClock::sleep(std::int64_t ms) {
  sleptMs_ += ms;
  clockOffsetMs_ += ms;
}

void VirtualClock::arm(Timer& timer) {
  disarm(timer);
  entries_.push_back({&timer, elapsedMs_ + timer.interval(), sequence_++});
}

void VirtualClock::disarm(Timer& timer) {
  std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

bool VirtualClock::armed(const Timer& timer) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.timer == &timer; });
}

void VirtualClock::advance(std::int64_t ms, Toolkit& toolkit) {
  const std::int64_t end = elapsedMs_ + ms;
  while (!stopped_) {
    auto next = std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
      return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
    });
    if (next == entries_.end() || next->due > end) break;
    Timer* timer = next->timer;
    elapsedMs_ = std::max(elapsedMs_, next->due);
    next->due += timer->interval();
    next->sequence = sequence_++;
    toolkit.dispatch([timer] { timer->elapsed(); });
    toolkit.releaseRetired();
  }
  if (!stopped_) elapsedMs_ = std::max(elapsedMs_, end);
}

}  // namespace morvane
