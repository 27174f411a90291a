// The shutdown moment from the fields, by wall-clock arithmetic: no time-zone or daylight-saving correction.
#include "schedule/ShutdownMoment.h"

#include "schedule/FieldReading.h"

namespace morvane {

using namespace std::chrono;

// Start calls this only after ValidateSchedule accepted the fields. Fields that do not form a moment
// (which ValidateSchedule would have refused) give the present moment rather than some other time.
LocalTime ShutdownMoment(const ScheduleFields& fields, LocalTime now) {
  const LocalTime wholeNow = floor<seconds>(now);
  if (ChecksAtMode(fields)) {
    std::optional<std::int32_t> y = ReadYear(fields.atYear, year_month_day{floor<days>(now)}.year());
    std::optional<std::int32_t> m = FieldValue(fields.atMonth);
    std::optional<std::int32_t> d = FieldValue(fields.atDay);
    std::optional<std::int32_t> hour = FieldValue(fields.atHour);
    std::optional<std::int32_t> minute = FieldValue(fields.atMinute);
    if (!y || !m || !d || !hour || !minute || *hour > 23 || *minute > 59) return wholeNow;
    std::optional<year_month_day> date = CalendarDate(*y, *m, *d);
    if (!date) return wholeNow;
    return local_days{*date} + hours{*hour} + minutes{*minute};
  }
  std::optional<std::int32_t> h = FieldValue(fields.afterHours);
  std::optional<std::int32_t> m = FieldValue(fields.afterMinutes);
  if (!h || !m) return wholeNow;
  return wholeNow + days{*h / 24} + hours{*h % 24} + minutes{*m};
}

}  // namespace morvane
