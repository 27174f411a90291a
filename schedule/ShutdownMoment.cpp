// The shutdown moment from the fields: an instant, so that a daylight-saving change between
// Start and the moment neither shortens nor lengthens the wait.
#include "schedule/ShutdownMoment.h"

#include "platform/FieldReading.h"

namespace morvane {

using namespace std::chrono;

// Start calls this only after ValidateSchedule accepted the fields with the same `now`. Fields
// that do not form a moment ahead (which ValidateSchedule would have refused) give the present
// moment rather than some other time.
Instant ShutdownMoment(const ScheduleFields& fields, Instant now, const TimeZone& zone) {
  if (ChecksAtMode(fields)) {
    const LocalTime localNow = zone.toLocal(now);
    std::optional<std::int32_t> y = ReadYear(fields.atYear, year_month_day{floor<days>(localNow)}.year());
    std::optional<std::int32_t> m = FieldValue(fields.atMonth);
    std::optional<std::int32_t> d = FieldValue(fields.atDay);
    std::optional<std::int32_t> hour = FieldValue(fields.atHour);
    std::optional<std::int32_t> minute = FieldValue(fields.atMinute);
    if (!y || !m || !d || !hour || !minute || *hour > 23 || *minute > 59) return now;
    std::optional<year_month_day> date = CalendarDate(*y, *m, *d);
    if (!date) return now;
    return zone.earliestShowing(local_days{*date} + hours{*hour} + minutes{*minute}, now).value_or(now);
  }
  std::optional<std::int32_t> h = FieldValue(fields.afterHours);
  std::optional<std::int32_t> m = FieldValue(fields.afterMinutes);
  if (!h || !m) return now;
  return now + hours{*h} + minutes{*m};
}

}  // namespace morvane
