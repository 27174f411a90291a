// A schedule as a value, as the command line gives it to the bar: the mode with its duration or
// its reading, and the action.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "schedule/ScheduleFields.h"

namespace morvane {

struct Schedule {
  ScheduleMode mode = ScheduleMode::After;
  int hours = 0, minutes = 0;  // after mode: the time from Start; at mode: the time of day
  // At mode: the day; none for a time of day on the date the bar shows (today's).
  std::optional<std::chrono::year_month_day> date;
  Action action = Action::ShutDown;
  friend bool operator==(const Schedule&, const Schedule&) = default;
};

struct FieldText {
  Field field;
  std::string text;
  friend bool operator==(const FieldText&, const FieldText&) = default;
};

// The texts the schedule puts in the bar's fields. A time without a date is typed as hh:mm and
// keeps its two digits each ("01", "30"); a date and its time are numbers as the calendar has them.
std::vector<FieldText> FieldTexts(const Schedule& schedule);

}  // namespace morvane
