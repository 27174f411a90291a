// The two check tables, run in their fixed order; the first failing step is the answer.
#include "schedule/Yanzheng.h"

#include "schedule/FieldReading.h"
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

std::optional<ValidationFailure> CheckAtMode(const ScheduleFields& f, LocalTime now, const LocaleFormats& formats) {
  if (f.text3.empty()) return Empty("Please enter year number.", Field::Text3);
  if (f.text4.empty()) return Empty("Please enter month number.", Field::Text4);
  if (f.text5.empty()) return Empty("Please enter date number.", Field::Text5);

  const local_days today = floor<days>(now);
  const year_month_day todayDate{today};
  std::optional<std::int32_t> y = ReadYear(f.text3, todayDate.year());
  if (!y) return Unreadable(Field::Text3);
  std::optional<std::int32_t> m = FieldValue(f.text4);
  if (!m) return Unreadable(Field::Text4);
  std::optional<std::int32_t> d = FieldValue(f.text5);
  if (!d) return Unreadable(Field::Text5);
  std::optional<year_month_day> date = CalendarDate(*y, *m, *d);
  if (!date) return Wrong("Error date, Please check it.", Field::Text3);
  if (today > local_days{*date}) {
    return Wrong("The current date is " + FormatShortDate(todayDate, formats) +
                     ", beyond the date you set. Please check it again.",
                 Field::Text3);
  }

  if (f.text6.empty()) return Empty("Please enter hour number.", Field::Text6);
  if (f.text7.empty()) return Empty("Please enter minute number.", Field::Text7);
  std::optional<std::int32_t> hour = FieldValue(f.text6);
  if (!hour) return Unreadable(Field::Text6);
  if (*hour > 23) return Wrong("The value must be 0-23.", Field::Text6);
  std::optional<std::int32_t> minute = FieldValue(f.text7);
  if (!minute) return Unreadable(Field::Text7);
  if (*minute > 59) return Wrong("The value must be 0-59.", Field::Text7);

  LocalTime moment = local_days{*date} + hours{*hour} + minutes{*minute};
  if (now > moment) {
    return Wrong("The current time is " + FormatGeneralDateTime(now, formats) +
                     ", beyond the time you set. Please check it again.",
                 Field::Text6);
  }
  return std::nullopt;
}

std::optional<ValidationFailure> CheckAfterMode(const ScheduleFields& f) {
  if (f.text8.empty()) return Empty("Please enter hour number.", Field::Text8);
  if (f.text9.empty()) return Empty("Please enter minute number.", Field::Text9);
  std::optional<std::int32_t> minute = FieldValue(f.text9);
  if (!minute) return Unreadable(Field::Text9);
  if (*minute > 59) return Wrong("The value must be 0-59.", Field::Text9);
  std::optional<std::int32_t> hour = FieldValue(f.text8);
  if (!hour) return Unreadable(Field::Text8);
  if (*hour == 0 && *minute == 0) {
    return Wrong("Hour number and minute number can't be 0 at the same time!", Field::Text8);
  }
  return std::nullopt;
}

}  // namespace

std::optional<ValidationFailure> Yanzheng(const ScheduleFields& fields, LocalTime now, const LocaleFormats& formats) {
  return ChecksAtMode(fields) ? CheckAtMode(fields, now, formats) : CheckAfterMode(fields);
}

}  // namespace morvane
