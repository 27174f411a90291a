// The test zone's yearly rule.
#include "backends/headless/HeadlessTimeZone.h"

namespace morvane {

using namespace std::chrono;

namespace {

local_days DayOf(year y, const HeadlessTimeZone::Change& change) {
  const month m{change.month};
  if (change.week >= 5) return local_days{year_month_weekday_last{y, m, weekday_last{change.weekday}}};
  return local_days{year_month_weekday{y, m, weekday_indexed{change.weekday, change.week}}};
}

// The instant of a change in year y, whose time is read on the clock with `offsetBefore`.
Instant InstantOf(year y, const HeadlessTimeZone::Change& change, minutes offsetBefore) {
  return Instant{(DayOf(y, change) + change.time - offsetBefore).time_since_epoch()};
}

}  // namespace

minutes HeadlessTimeZone::offsetAt(Instant instant) const {
  if (!daylight_) return standard_;
  const year y = year_month_day{floor<days>(instant + standard_)}.year();
  const Instant starts = InstantOf(y, daylight_->starts, standard_);
  const Instant ends = InstantOf(y, daylight_->ends, daylight_->offset);
  const bool inDaylight = starts < ends ? instant >= starts && instant < ends : instant >= starts || instant < ends;
  return inDaylight ? daylight_->offset : standard_;
}

LocalTime HeadlessTimeZone::toLocal(Instant instant) const {
  return LocalTime{(instant + offsetAt(instant)).time_since_epoch()};
}

}  // namespace morvane
