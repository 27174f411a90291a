// The date of OLE Automation, in which Windows converts texts to dates: days since midnight
// at the start of 30 December 1899, with the time of day as the fraction.
#pragma once

#include <chrono>
#include <optional>

#include "platform/system.h"

namespace morvane {

// A date on that first day holds a time alone, which falls on `today`. Nothing for a value
// outside the years 100 to 9999.
std::optional<LocalTime> LocalTimeFromAutomationDate(double date, std::chrono::local_days today);

}  // namespace morvane
