// The shutdown moment of the selected mode, computed once, when a countdown starts.
#pragma once

#include <optional>

#include "platform/TimeZone.h"
#include "schedule/ScheduleFields.h"

namespace morvane {

// After mode: `now` plus the hours and minutes in real time. At mode: the first time from `now`
// on that the wall clock of `zone` reads the date and time of the fields. Nothing when the
// fields do not make a moment.
std::optional<Instant> ShutdownMoment(const ScheduleFields& fields, Instant now, const TimeZone& zone);
// At mode: the wall-clock reading of the fields, kept so that the moment can be fixed again
// when the time zone changes. Nothing in the after mode or when the fields make no reading.
std::optional<LocalTime> AtModeReading(const ScheduleFields& fields, Instant now, const TimeZone& zone);

}  // namespace morvane
