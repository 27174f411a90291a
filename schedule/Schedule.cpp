// The fields a schedule value fills in.
#include "schedule/Schedule.h"

namespace morvane {

namespace {

std::string TwoDigits(int n) { return n < 10 ? "0" + std::to_string(n) : std::to_string(n); }

}  // namespace

std::vector<FieldText> FieldTexts(const Schedule& schedule) {
  if (schedule.mode == ScheduleMode::After) {
    return {{Field::AfterHours, TwoDigits(schedule.hours)}, {Field::AfterMinutes, TwoDigits(schedule.minutes)}};
  }
  if (!schedule.date) return {{Field::AtHour, TwoDigits(schedule.hours)}, {Field::AtMinute, TwoDigits(schedule.minutes)}};
  const std::chrono::year_month_day& date = *schedule.date;
  return {{Field::AtHour, std::to_string(schedule.hours)},
          {Field::AtMinute, std::to_string(schedule.minutes)},
          {Field::AtYear, std::to_string(static_cast<int>(date.year()))},
          {Field::AtMonth, std::to_string(static_cast<unsigned>(date.month()))},
          {Field::AtDay, std::to_string(static_cast<unsigned>(date.day()))}};
}

}  // namespace morvane
