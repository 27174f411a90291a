// Virtual time for native tests: a monotonic millisecond count that only the test moves,
// a system clock that follows it (and can be set as a user sets it), read on the wall through
// the test's time zone, and timers that fire in due order as time is advanced.
#pragma once

#include <cstdint>
#include <vector>

#include "backends/headless/HeadlessTimeZone.h"

namespace morvane {

class Timer;
class Toolkit;

class VirtualClock {
 public:
  // Starts when the zone's wall clock reads `start` (the first showing, if it shows it twice).
  explicit VirtualClock(LocalTime start, HeadlessTimeZone zone = {});

  std::int64_t elapsedMs() const { return elapsedMs_; }
  Instant instant() const;
  LocalTime wallClock() const { return zone_.toLocal(instant()); }
  const HeadlessTimeZone& zone() const { return zone_; }
  void setZone(const HeadlessTimeZone& zone) { zone_ = zone; }  // as a user changes the time zone
  // Moves the clock as a user setting the system clock would; timers are unaffected.
  void setInstant(Instant time);
  void setWallClock(LocalTime time) { setInstant(zone_.firstShowing(time)); }
  // The system's steady count, which runs on through sleep and ignores the wall clock's setting.
  std::int64_t steadyMs() const { return elapsedMs_ + sleptMs_; }
  // A sleep of `ms`: the wall clock and the steady count move on while no timer fires.
  void sleep(std::int64_t ms);

  // Runs every timer that falls due within the next ms milliseconds, in due order
  // (ties in the order the timers were armed), then leaves the clock at the end.
  void advance(std::int64_t ms, Toolkit& toolkit);
  void stop() { stopped_ = true; }  // the process ended: nothing fires any more
  bool stopped() const { return stopped_; }

  void arm(Timer& timer);  // (re)starts the timer's interval from now
  bool refuseTimers = false;  // the system refuses every timer asked to start from now on
  void disarm(Timer& timer);
  bool armed(const Timer& timer) const;

 private:
  struct Entry {
    Timer* timer;
    std::int64_t due;
    std::uint64_t sequence;
  };
  std::int64_t elapsedMs_ = 0;
  HeadlessTimeZone zone_;
  std::int64_t clockOffsetMs_;  // the clock's instant = the epoch + offset + elapsed
  std::int64_t sleptMs_ = 0;
  std::vector<Entry> entries_;
  std::uint64_t sequence_ = 0;
  bool stopped_ = false;
};

}  // namespace morvane
