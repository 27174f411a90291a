// The shutdown moment of the selected mode, computed once, when a countdown starts.
#pragma once

#include "platform/TimeZone.h"
#include "schedule/ScheduleFields.h"

namespace morvane {

// After mode: `now` plus the hours and minutes in real time. At mode: the date and time of
// the fields on the wall clock of `zone`.
Instant ShutdownMoment(const ScheduleFields& fields, Instant now, const TimeZone& zone);

}  // namespace morvane
