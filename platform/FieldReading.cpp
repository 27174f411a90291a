// Field texts to numbers and dates.
#include "platform/FieldReading.h"

#include <limits>

namespace morvane {

// A field reads as a number when it is one or more decimal digits whose value fits in 32 bits
// (leading zeros allowed: "07" is 7). Typing can only put digits in a field, so anything else
// got there by pasting and is not a number at all.
std::optional<std::int32_t> FieldValue(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

// One or two digits name a year of the current century ("26" in 2026 is 2026, "5" is 2005);
// three or four digits are the year as written.
std::optional<std::int32_t> ReadYear(std::string_view text, std::chrono::year current) {
  std::optional<std::int32_t> value = FieldValue(text);
  if (!value || text.size() > 2) return value;
  int century = static_cast<int>(current) / 100 * 100;
  return century + *value;
}

std::optional<std::chrono::year_month_day> CalendarDate(std::int32_t year, std::int32_t month, std::int32_t day) {
  if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                   std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

}  // namespace morvane
