// Wall-clock readings to instants, for any zone that can turn instants into readings.
#include "platform/TimeZone.h"

#include <algorithm>
#include <array>

namespace morvane {

using namespace std::chrono;

// No zone is more than 14 hours from UTC, so the offsets in force a day before and a day
// after the reading (taken as if it were UTC) are the two that can apply to it. Each gives a
// candidate; those the zone reads back as `local` are its showings, earlier first. With none,
// the reading lies in a skip: between the two candidates the readings jump over it, and the
// first instant read at or past it is where the clocks land.
std::optional<Instant> TimeZone::earliestShowing(LocalTime local, Instant notBefore) const {
  const Instant asIfUtc{local.time_since_epoch()};
  auto offsetAt = [&](Instant at) { return toLocal(at).time_since_epoch() - at.time_since_epoch(); };
  const seconds before = offsetAt(asIfUtc - days{1});
  const seconds after = offsetAt(asIfUtc + days{1});

  std::array<Instant, 2> candidates{asIfUtc - std::max(before, after), asIfUtc - std::min(before, after)};
  bool shown = false;
  for (Instant candidate : candidates) {
    if (toLocal(candidate) != local) continue;
    shown = true;
    if (candidate >= notBefore) return candidate;
  }
  if (shown) return std::nullopt;

  Instant low = candidates[0];   // read before `local`
  Instant high = candidates[1];  // read after it
  while (high - low > seconds{1}) {
    const Instant middle = low + (high - low) / 2;
    (toLocal(middle) < local ? low : high) = middle;
  }
  if (high < notBefore) return std::nullopt;
  return high;
}

}  // namespace morvane
