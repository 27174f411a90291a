// Instants, wall-clock readings, and a place's rules for turning one into the other. The
// backends supply the rules; what a reading the clocks skip or show twice means is decided here.
#pragma once

#include <chrono>
#include <optional>

namespace morvane {

using LocalTime = std::chrono::local_seconds;  // a wall-clock reading, whole seconds
using Instant = std::chrono::sys_seconds;      // a point in real time (UTC), whole seconds

class TimeZone {
 public:
  virtual ~TimeZone() = default;

  virtual LocalTime toLocal(Instant instant) const = 0;
  // The earliest instant at or after `notBefore` at which the wall clock reads `local`: of a
  // reading shown twice when the clocks go back, the showing still ahead; a reading skipped
  // when they go forward stands for the first instant after the skip. Nothing when every
  // showing lies before `notBefore`.
  std::optional<Instant> earliestShowing(LocalTime local, Instant notBefore) const;
  // Its first showing, whenever that was.
  Instant firstShowing(LocalTime local) const { return *earliestShowing(local, Instant::min()); }
};

}  // namespace morvane
