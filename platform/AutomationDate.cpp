// Automation dates as local dates and times.
#include "platform/AutomationDate.h"

#include <cmath>

namespace morvane {

namespace {
using namespace std::chrono;
constexpr double kFirstDay = -657434.0;  // 1 January 100
constexpr double kLastDay = 2958465.0;   // 31 December 9999
const local_days kDayZero = local_days{year{1899} / December / 30};
}  // namespace

// Before day zero the sign belongs to the day alone: -1.25 is 29 December 1899 at 6:00, the
// fraction still counting forward from that day's midnight.
std::optional<LocalTime> LocalTimeFromAutomationDate(double date, local_days today) {
  if (!std::isfinite(date) || date <= kFirstDay - 1 || date >= kLastDay + 1) return std::nullopt;
  const double whole = std::trunc(date);
  const auto secondsIntoDay = static_cast<std::int64_t>(std::llround(std::abs(date - whole) * 86400.0));
  const local_days day = whole == 0 ? today : kDayZero + days{static_cast<std::int64_t>(whole)};
  return day + seconds{secondsIntoDay};
}

}  // namespace morvane
