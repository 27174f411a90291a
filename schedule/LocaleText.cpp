// Interprets Windows date and time pictures; the names are English, as all of the program's texts.
#include "schedule/LocaleText.h"

#include <array>
#include <optional>

namespace morvane {

namespace {

using namespace std::chrono;

constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};

struct Parts {
  std::optional<year_month_day> date;
  std::optional<hh_mm_ss<seconds>> time;
};

std::string Padded(long long value, std::size_t width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

std::string Name(const char* full, std::size_t count) {
  std::string name = full;
  return count == 3 ? name.substr(0, 3) : name;
}

// One run of a picture letter, e.g. "dd" or "MMMM"; letters the part lacks write nothing.
std::string Expand(char letter, std::size_t count, const Parts& parts, const LocaleFormats& formats) {
  if (parts.date) {
    const year_month_day& d = *parts.date;
    int y = static_cast<int>(d.year());
    switch (letter) {
      case 'd':
        if (count <= 2) return Padded(static_cast<unsigned>(d.day()), count);
        return Name(kDayNames[weekday(sys_days(d)).c_encoding()], count);
      case 'M':
        if (count <= 2) return Padded(static_cast<unsigned>(d.month()), count);
        return Name(kMonthNames[static_cast<unsigned>(d.month()) - 1], count);
      case 'y':
        if (count <= 2) return Padded(y % 100, count);
        return Padded(y, 4);
      case 'g':
        return "A.D.";
      default:
        break;
    }
  }
  if (parts.time) {
    const hh_mm_ss<seconds>& t = *parts.time;
    long long h = t.hours().count();
    std::size_t width = count >= 2 ? 2 : 1;
    const std::string& designator = h < 12 ? formats.am : formats.pm;
    switch (letter) {
      case 'h':
        return Padded(h % 12 == 0 ? 12 : h % 12, width);
      case 'H':
        return Padded(h, width);
      case 'm':
        return Padded(t.minutes().count(), width);
      case 's':
        return Padded(t.seconds().count(), width);
      case 't':
        return count == 1 ? designator.substr(0, 1) : designator;
      default:
        break;
    }
  }
  return {};
}

bool IsPictureLetter(char c) {
  switch (c) {
    case 'd': case 'M': case 'y': case 'g': case 'h': case 'H': case 'm': case 's': case 't':
      return true;
    default:
      return false;
  }
}

std::string FormatPicture(std::string_view picture, const Parts& parts, const LocaleFormats& formats) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    char c = picture[i];
    if (c == '\'') {
      // Quoted text is literal; a doubled quote stands for one quote, inside or out.
      if (i + 1 < picture.size() && picture[i + 1] == '\'') {
        out += '\'';
        i += 2;
        continue;
      }
      ++i;
      while (i < picture.size()) {
        if (picture[i] == '\'') {
          if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            out += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out += picture[i++];
      }
      continue;
    }
    if (!IsPictureLetter(c)) {
      out += c;
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    out += Expand(c, run, parts, formats);
    i += run;
  }
  return out;
}

}  // namespace

std::string FormatShortDate(year_month_day date, const LocaleFormats& formats) {
  return FormatPicture(formats.shortDate, Parts{date, std::nullopt}, formats);
}

std::string FormatLongTime(hh_mm_ss<seconds> time, const LocaleFormats& formats) {
  return FormatPicture(formats.longTime, Parts{std::nullopt, time}, formats);
}

std::string FormatGeneralDateTime(LocalTime moment, const LocaleFormats& formats) {
  local_days day = floor<days>(moment);
  return FormatShortDate(year_month_day{day}, formats) + " " +
         FormatLongTime(hh_mm_ss<seconds>{moment - day}, formats);
}

}  // namespace morvane
