// The shutdown moment of the selected mode, computed once, when a countdown starts.
#pragma once

#include "platform/TimeZone.h"
#include "schedule/ScheduleFields.h"

namespace morvane {

// After mode: `now` plus the hours and minutes in real time. At mode: the first time from `now`
// on that the wall clock of `zone` reads the date and time of the fields.
Instant ShutdownMoment(const ScheduleFields& fields, Instant now, const TimeZone& zone);

}  // namespace morvane
