// The shutdown moment of the selected mode, computed when a countdown starts.
#pragma once

#include "platform/system.h"
#include "schedule/ScheduleFields.h"

namespace morvane {

LocalTime ShutdownMoment(const ScheduleFields& fields, LocalTime now);

}  // namespace morvane
