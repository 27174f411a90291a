// The portable date-and-time conversion.
// Dates: the locale's day-month-year order with "/", "-" or "." between the parts, and
// yyyy-mm-dd. Times: H:MM or H:MM:SS, optionally followed by AM or PM (any case, with or
// without a space). Years of one or two digits fall in the current century, as in the year field.
#include "platform/DateConversion.h"

#include <array>
#include <vector>

#include "platform/FieldReading.h"

namespace morvane {

namespace {

using namespace std::chrono;

bool IsSpace(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    std::size_t start = i;
    while (i < text.size() && !IsSpace(text[i])) ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

// Splits "12/7/2026" into its digit groups; all separators must be the same one.
bool SplitDate(std::string_view word, std::array<std::string_view, 3>& groups, char& separator) {
  std::size_t part = 0;
  std::size_t start = 0;
  separator = 0;
  for (std::size_t i = 0; i <= word.size(); ++i) {
    if (i < word.size() && IsDigit(word[i])) continue;
    if (i < word.size()) {
      char c = word[i];
      if (c != '/' && c != '-' && c != '.') return false;
      if (separator != 0 && c != separator) return false;
      separator = c;
    }
    if (part == 3 || i == start || i - start > 4) return false;
    groups[part++] = word.substr(start, i - start);
    start = i + 1;
  }
  return part == 3;
}

std::optional<year_month_day> ParseDate(std::string_view word, year current, DateOrder order) {
  std::array<std::string_view, 3> g;
  char separator = 0;
  if (!SplitDate(word, g, separator)) return std::nullopt;
  std::string_view y, m, d;
  if (g[0].size() == 4 && separator == '-') {
    order = DateOrder::YearMonthDay;
  }
  switch (order) {
    case DateOrder::MonthDayYear: m = g[0]; d = g[1]; y = g[2]; break;
    case DateOrder::DayMonthYear: d = g[0]; m = g[1]; y = g[2]; break;
    case DateOrder::YearMonthDay: y = g[0]; m = g[1]; d = g[2]; break;
  }
  if (m.size() > 2 || d.size() > 2) return std::nullopt;
  std::optional<std::int32_t> yv = ReadYear(y, current);
  std::optional<std::int32_t> mv = FieldValue(m);
  std::optional<std::int32_t> dv = FieldValue(d);
  if (!yv || !mv || !dv) return std::nullopt;
  return CalendarDate(*yv, *mv, *dv);
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return !suffix.empty() && text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

enum class Half { None, Am, Pm };

// Takes a trailing AM or PM designator (English or the locale's) off a time word.
Half TakeDesignator(std::string& word, const LocaleFormats& formats) {
  const std::array<std::pair<std::string, Half>, 4> designators = {{
      {"am", Half::Am}, {"pm", Half::Pm}, {Lowered(formats.am), Half::Am}, {Lowered(formats.pm), Half::Pm}}};
  for (const auto& [text, half] : designators) {
    if (text.find_first_of("0123456789:") != std::string::npos) continue;
    if (EndsWith(word, text)) {
      word.resize(word.size() - text.size());
      return half;
    }
  }
  return Half::None;
}

std::optional<std::int32_t> TwoDigits(std::string_view text) {
  if (text.size() != 2) return std::nullopt;
  return FieldValue(text);
}

std::optional<seconds> ParseTime(std::string word, const LocaleFormats& formats) {
  Half half = TakeDesignator(word, formats);
  std::string_view w = word;
  std::size_t colon = w.find(':');
  if (colon == std::string_view::npos || colon == 0 || colon > 2) return std::nullopt;
  std::optional<std::int32_t> h = FieldValue(w.substr(0, colon));
  std::string_view rest = w.substr(colon + 1);
  std::optional<std::int32_t> m = TwoDigits(rest.substr(0, 2));
  std::optional<std::int32_t> s = 0;
  if (rest.size() > 2) {
    if (rest[2] != ':') return std::nullopt;
    s = TwoDigits(rest.substr(3));
  }
  if (!h || !m || !s || *m > 59 || *s > 59) return std::nullopt;
  if (half == Half::None) {
    if (*h > 23) return std::nullopt;
  } else {
    if (*h < 1 || *h > 12) return std::nullopt;
    *h %= 12;
    if (half == Half::Pm) *h += 12;
  }
  return hours{*h} + minutes{*m} + seconds{*s};
}

bool IsDesignatorWord(const std::string& word, const LocaleFormats& formats) {
  std::string copy = word;
  return TakeDesignator(copy, formats) != Half::None && copy.empty();
}

}  // namespace

std::optional<LocalTime> ConvertDateTime(std::string_view text, LocalTime now, const LocaleFormats& formats) {
  try {
    if (text.size() > kMaxDateTextLength) return std::nullopt;
    std::vector<std::string> words = Words(Lowered(text));
    // "9:30 pm": a designator standing apart belongs to the time before it.
    if (words.size() >= 2 && IsDesignatorWord(words.back(), formats)) {
      std::string designator = words.back();
      words.pop_back();
      words.back() += designator;
    }
    const local_days today = floor<days>(now);
    const year current = year_month_day{today}.year();
    if (words.size() == 1) {
      if (std::optional<year_month_day> date = ParseDate(words[0], current, formats.order)) return local_days{*date};
      if (std::optional<seconds> time = ParseTime(words[0], formats)) return today + *time;
      return std::nullopt;
    }
    if (words.size() == 2) {
      std::optional<year_month_day> date = ParseDate(words[0], current, formats.order);
      std::optional<seconds> time = ParseTime(words[1], formats);
      if (date && time) return local_days{*date} + *time;
    }
    return std::nullopt;
  } catch (...) {
    // Only allocation can throw here; a text that cannot be looked at does not convert.
    return std::nullopt;
  }
}

}  // namespace morvane
