// The schedule as the bar holds it: seven digit fields and the two mode words' colours.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace morvane {

struct ScheduleFields {
  std::string atYear, atMonth, atDay, atHour, atMinute;  // at mode: the date and time of day
  std::string afterHours, afterMinutes;                   // after mode: the time from Start
  Color afterWordColor = 0;                               // the "after" word's colour
  Color atWordColor = 0x808080;                           // the "at" word's colour
};

enum class Field { AtYear, AtMonth, AtDay, AtHour, AtMinute, AfterHours, AfterMinutes };

// The two labels are consulted by different operations, so a pair that is not complementary
// (possible only from an edited settings file) shows one mode's fields and checks the other's.
// ValidateSchedule and ShutdownMoment look at the "at" label.
inline bool ChecksAtMode(const ScheduleFields& fields) { return fields.atWordColor == 0; }
// stopCountdown and the settings layout look at the "after" label.
inline bool ShowsAfterMode(Color afterWordColor) { return afterWordColor == 0; }

}  // namespace morvane
