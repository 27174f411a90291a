// The shutdown moment from the fields, by wall-clock arithmetic: no time-zone or daylight-saving correction.
#include "schedule/NoTime.h"

#include "schedule/FieldReading.h"

namespace morvane {

using namespace std::chrono;

// Start calls this only after Yanzheng accepted the fields. Fields that do not form a moment
// (which Yanzheng would have refused) give the present moment rather than some other time.
LocalTime NoTime(const ScheduleFields& fields, LocalTime now) {
  const LocalTime wholeNow = floor<seconds>(now);
  if (ChecksAtMode(fields)) {
    std::optional<std::int32_t> y = ReadYear(fields.text3, year_month_day{floor<days>(now)}.year());
    std::optional<std::int32_t> m = FieldValue(fields.text4);
    std::optional<std::int32_t> d = FieldValue(fields.text5);
    std::optional<std::int32_t> hour = FieldValue(fields.text6);
    std::optional<std::int32_t> minute = FieldValue(fields.text7);
    if (!y || !m || !d || !hour || !minute || *hour > 23 || *minute > 59) return wholeNow;
    std::optional<year_month_day> date = CalendarDate(*y, *m, *d);
    if (!date) return wholeNow;
    return local_days{*date} + hours{*hour} + minutes{*minute};
  }
  std::optional<std::int32_t> h = FieldValue(fields.text8);
  std::optional<std::int32_t> m = FieldValue(fields.text9);
  if (!h || !m) return wholeNow;
  return wholeNow + days{*h / 24} + hours{*h % 24} + minutes{*m};
}

}  // namespace morvane
