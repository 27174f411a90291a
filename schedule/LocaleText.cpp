// Writes dates and times in figures, as the user's locale lays them out.
#include "schedule/LocaleText.h"

namespace morvane {

namespace {

using namespace std::chrono;

std::string Padded(long long value, bool twoDigits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (twoDigits && digits.size() < 2) digits.insert(0, 1, '0');
  return value < 0 ? "-" + digits : digits;
}

std::string YearText(year y, bool twoDigits) {
  const int value = static_cast<int>(y);
  if (twoDigits) return Padded(value % 100, true);
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

}  // namespace

std::string FormatShortDate(year_month_day date, const LocaleFormats& formats) {
  const std::string day = Padded(static_cast<unsigned>(date.day()), formats.dayTwoDigits);
  const std::string month = Padded(static_cast<unsigned>(date.month()), formats.monthTwoDigits);
  const std::string year = YearText(date.year(), formats.yearTwoDigits);
  const std::string& s = formats.dateSeparator;
  switch (formats.order) {
    case DateOrder::DayMonthYear:
      return day + s + month + s + year;
    case DateOrder::YearMonthDay:
      return year + s + month + s + day;
    case DateOrder::MonthDayYear:
      break;
  }
  return month + s + day + s + year;
}

std::string FormatLongTime(hh_mm_ss<seconds> time, const LocaleFormats& formats) {
  const long long h = time.hours().count();
  const long long shownHour = !formats.twelveHour ? h : h % 12 == 0 ? 12 : h % 12;
  const std::string& s = formats.timeSeparator;
  const std::string figures = Padded(shownHour, formats.hourTwoDigits) + s + Padded(time.minutes().count(), true) + s +
                              Padded(time.seconds().count(), true);
  if (!formats.twelveHour) return figures;
  const std::string& designator = h < 12 ? formats.am : formats.pm;
  return formats.designatorFirst ? designator + " " + figures : figures + " " + designator;
}

std::string FormatGeneralDateTime(LocalTime moment, const LocaleFormats& formats) {
  local_days day = floor<days>(moment);
  return FormatShortDate(year_month_day{day}, formats) + " " +
         FormatLongTime(hh_mm_ss<seconds>{moment - day}, formats);
}

}  // namespace morvane
