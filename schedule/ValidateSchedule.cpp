// The two check tables, run in their fixed order; the first failing step is the answer.
#include "schedule/ValidateSchedule.h"

#include "platform/FieldReading.h"
#include "schedule/LocaleText.h"

namespace morvane {

namespace {

using namespace std::chrono;
using Focus = ValidationFailure::Focus;

ValidationFailure Empty(const char* message, Field field) { return {message, field, Focus::BeforeMessage}; }
ValidationFailure Wrong(std::string message, Field field) {
  return {std::move(message), field, Focus::AfterMessageSelectAll};
}
// A pasted text that is not a number stops the check without a word.
ValidationFailure Unreadable(Field field) { return {{}, field, Focus::BeforeMessage, true}; }

std::optional<ValidationFailure> CheckAtMode(const ScheduleFields& f, Instant instant, const TimeZone& zone,
                                             const LocaleFormats& formats) {
  const LocalTime now = zone.toLocal(instant);
  if (f.atYear.empty()) return Empty("Please enter year number.", Field::AtYear);
  if (f.atMonth.empty()) return Empty("Please enter month number.", Field::AtMonth);
  if (f.atDay.empty()) return Empty("Please enter date number.", Field::AtDay);

  const local_days today = floor<days>(now);
  const year_month_day todayDate{today};
  std::optional<std::int32_t> y = ReadYear(f.atYear, todayDate.year());
  if (!y) return Unreadable(Field::AtYear);
  std::optional<std::int32_t> m = FieldValue(f.atMonth);
  if (!m) return Unreadable(Field::AtMonth);
  std::optional<std::int32_t> d = FieldValue(f.atDay);
  if (!d) return Unreadable(Field::AtDay);
  std::optional<year_month_day> date = CalendarDate(*y, *m, *d);
  if (!date) return Wrong("Error date, Please check it.", Field::AtYear);
  if (today > local_days{*date}) {
    return Wrong("The current date is " + FormatShortDate(todayDate, formats) +
                     ", beyond the date you set. Please check it again.",
                 Field::AtYear);
  }

  if (f.atHour.empty()) return Empty("Please enter hour number.", Field::AtHour);
  if (f.atMinute.empty()) return Empty("Please enter minute number.", Field::AtMinute);
  std::optional<std::int32_t> hour = FieldValue(f.atHour);
  if (!hour) return Unreadable(Field::AtHour);
  if (*hour > 23) return Wrong("The value must be 0-23.", Field::AtHour);
  std::optional<std::int32_t> minute = FieldValue(f.atMinute);
  if (!minute) return Unreadable(Field::AtMinute);
  if (*minute > 59) return Wrong("The value must be 0-59.", Field::AtMinute);

  const LocalTime moment = local_days{*date} + hours{*hour} + minutes{*minute};
  if (!zone.earliestShowing(moment, instant)) {
    return Wrong("The current time is " + FormatGeneralDateTime(now, formats) +
                     ", beyond the time you set. Please check it again.",
                 Field::AtHour);
  }
  return std::nullopt;
}

std::optional<ValidationFailure> CheckAfterMode(const ScheduleFields& f) {
  if (f.afterHours.empty()) return Empty("Please enter hour number.", Field::AfterHours);
  if (f.afterMinutes.empty()) return Empty("Please enter minute number.", Field::AfterMinutes);
  std::optional<std::int32_t> minute = FieldValue(f.afterMinutes);
  if (!minute) return Unreadable(Field::AfterMinutes);
  if (*minute > 59) return Wrong("The value must be 0-59.", Field::AfterMinutes);
  std::optional<std::int32_t> hour = FieldValue(f.afterHours);
  if (!hour) return Unreadable(Field::AfterHours);
  if (*hour == 0 && *minute == 0) {
    return Wrong("Hour number and minute number can't be 0 at the same time!", Field::AfterHours);
  }
  return std::nullopt;
}

}  // namespace

std::optional<ValidationFailure> ValidateSchedule(const ScheduleFields& fields, Instant now, const TimeZone& zone,
                                                  const LocaleFormats& formats) {
  return ChecksAtMode(fields) ? CheckAtMode(fields, now, zone, formats) : CheckAfterMode(fields);
}

}  // namespace morvane
