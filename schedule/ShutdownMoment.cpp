// The shutdown moment from the fields: an instant, so that a daylight-saving change between
// Start and the moment neither shortens nor lengthens the wait.
#include "schedule/ShutdownMoment.h"

#include "platform/FieldReading.h"

namespace morvane {

using namespace std::chrono;

std::optional<LocalTime> AtModeReading(const ScheduleFields& fields, Instant now, const TimeZone& zone) {
  if (!ChecksAtMode(fields)) return std::nullopt;
  const LocalTime localNow = zone.toLocal(now);
  std::optional<std::int32_t> y = ReadYear(fields.atYear, year_month_day{floor<days>(localNow)}.year());
  std::optional<std::int32_t> m = FieldValue(fields.atMonth);
  std::optional<std::int32_t> d = FieldValue(fields.atDay);
  std::optional<std::int32_t> hour = FieldValue(fields.atHour);
  std::optional<std::int32_t> minute = FieldValue(fields.atMinute);
  if (!y || !m || !d || !hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  std::optional<year_month_day> date = CalendarDate(*y, *m, *d);
  if (!date) return std::nullopt;
  return local_days{*date} + hours{*hour} + minutes{*minute};
}

// Start calls this only after ValidateSchedule accepted the fields with the same `now`; fields
// that do not form a moment ahead (which ValidateSchedule would have refused) make none.
std::optional<Instant> ShutdownMoment(const ScheduleFields& fields, Instant now, const TimeZone& zone) {
  if (ChecksAtMode(fields)) {
    std::optional<LocalTime> reading = AtModeReading(fields, now, zone);
    if (!reading) return std::nullopt;
    return zone.earliestShowing(*reading, now);
  }
  std::optional<std::int32_t> h = FieldValue(fields.afterHours);
  std::optional<std::int32_t> m = FieldValue(fields.afterMinutes);
  if (!h || !m) return std::nullopt;
  return now + hours{*h} + minutes{*m};
}

}  // namespace morvane
