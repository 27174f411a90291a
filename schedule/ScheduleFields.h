// The schedule as the bar holds it: seven digit fields, the mode that picks which of them count,
// and the action done at the moment.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Action.h"

namespace morvane {

// After: a time from Start (hours and minutes). At: a date and time of day.
enum class ScheduleMode : std::uint8_t { After, At };

struct ScheduleFields {
  std::string atYear, atMonth, atDay, atHour, atMinute;  // at mode: the date and time of day
  std::string afterHours, afterMinutes;                   // after mode: the time from Start
  ScheduleMode mode = ScheduleMode::After;
  Action action = Action::ShutDown;
};

enum class Field { AtYear, AtMonth, AtDay, AtHour, AtMinute, AfterHours, AfterMinutes };

// The check and the moment read the at mode's fields in the at mode, the after mode's otherwise.
inline bool ChecksAtMode(const ScheduleFields& fields) { return fields.mode == ScheduleMode::At; }

}  // namespace morvane
