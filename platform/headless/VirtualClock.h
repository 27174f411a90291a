// Virtual time for native tests: a monotonic millisecond count that only the test moves,
// a wall clock that follows it (and can be set like the system clock), and timers that
// fire in due order as time is advanced.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/system.h"

namespace morvane {

class Timer;
class Toolkit;

class VirtualClock {
 public:
  explicit VirtualClock(LocalTime start);

  std::int64_t elapsedMs() const { return elapsedMs_; }
  LocalTime wallClock() const;
  // Moves the wall clock as a user setting the system clock would; timers are unaffected.
  void setWallClock(LocalTime time);

  // Runs every timer that falls due within the next ms milliseconds, in due order
  // (ties in the order the timers were armed), then leaves the clock at the end.
  void advance(std::int64_t ms, Toolkit& toolkit);
  void stop() { stopped_ = true; }  // the process ended: nothing fires any more
  bool stopped() const { return stopped_; }

  void arm(Timer& timer);  // (re)starts the timer's interval from now
  void disarm(Timer& timer);
  bool armed(const Timer& timer) const;

 private:
  struct Entry {
    Timer* timer;
    std::int64_t due;
    std::uint64_t sequence;
  };
  std::int64_t elapsedMs_ = 0;
  std::int64_t wallOffsetMs_;  // wall clock = epoch of offset + elapsed
  std::vector<Entry> entries_;
  std::uint64_t sequence_ = 0;
  bool stopped_ = false;
};

}  // namespace morvane
