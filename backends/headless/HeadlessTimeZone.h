// A time zone for native tests: a standard offset and, if the test wants one, a yearly
// daylight-saving rule written the way Windows keeps it (the n-th weekday of a month, at a time
// on the clock as it reads just before the change).
#pragma once

#include <chrono>
#include <optional>

#include "platform/TimeZone.h"

namespace morvane {

class HeadlessTimeZone : public TimeZone {
 public:
  struct Change {
    unsigned month;               // 1 to 12
    unsigned week;                // 1 to 4, or 5 for the last such weekday of the month
    std::chrono::weekday weekday;
    std::chrono::minutes time;    // on the wall clock before the change
  };

  HeadlessTimeZone() = default;  // UTC all year
  // Daylight saving from `daylightStarts` to `daylightEnds` each year; the start may fall later
  // in the year than the end, as south of the equator.
  HeadlessTimeZone(std::chrono::minutes standardOffset, std::chrono::minutes daylightOffset, Change daylightStarts,
                   Change daylightEnds)
      : standard_(standardOffset), daylight_(Daylight{daylightOffset, daylightStarts, daylightEnds}) {}

  LocalTime toLocal(Instant instant) const override;
  std::chrono::minutes offsetAt(Instant instant) const;  // local minus UTC

 private:
  struct Daylight {
    std::chrono::minutes offset;
    Change starts, ends;
  };
  std::chrono::minutes standard_{0};
  std::optional<Daylight> daylight_;
};

}  // namespace morvane
