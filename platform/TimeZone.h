// Instants, wall-clock readings, and a place's rules for turning one into the other. The
// backends supply the rules; what a reading the clocks skip or show twice means is decided here.
#pragma once

#include <chrono>

namespace morvane {

using LocalTime = std::chrono::local_seconds;  // a wall-clock reading, whole seconds
using Instant = std::chrono::sys_seconds;      // a point in real time (UTC), whole seconds

class TimeZone {
 public:
  virtual ~TimeZone() = default;

  virtual LocalTime toLocal(Instant instant) const = 0;
  // The instant the wall clock reads `local`. A reading skipped when the clocks go forward
  // is the first instant after the skip; a reading shown twice when they go back is its
  // first showing.
  Instant toInstant(LocalTime local) const;
};

}  // namespace morvane
