// Any command text, in three locales: quotes, lower-casing, the action word, the form it is taken for,
// and the date conversion.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "app/CommandLine.h"
#include "schedule/ActionText.h"
#include "platform/DateConversion.h"
#include "platform/FieldReading.h"

namespace {

using namespace std::chrono;
using morvane::CommandLineForm;
using morvane::LocaleFormats;
using morvane::LocalTime;
using Kind = CommandLineForm::Kind;

const LocalTime kNow = local_days{year{2026} / 12 / 7} + hours{10} + minutes{20} + seconds{30};
const LocaleFormats kLocales[] = {
    {},
    {.order = morvane::DateOrder::DayMonthYear, .dateSeparator = ".", .dayTwoDigits = true, .monthTwoDigits = true,
     .twelveHour = false, .hourTwoDigits = true, .am = "", .pm = ""},
    // Designators that are prefixes of English words and of each other make the suffix rule work hard.
    {.order = morvane::DateOrder::YearMonthDay, .dayTwoDigits = true, .monthTwoDigits = true, .designatorFirst = true,
     .am = "A", .pm = "P"},
};

void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "command line: %s for \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

void Check(bool ok, const char* what, std::string_view text) {
  if (!ok) Fail(what, text);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The moment written back the way the locale writes it: it must convert to itself.
std::string Written(LocalTime moment, const LocaleFormats& formats) {
  const local_days day = floor<days>(moment);
  const year_month_day d{day};
  const hh_mm_ss<seconds> t{moment - day};
  const std::string y = std::to_string(static_cast<int>(d.year()));
  const std::string m = std::to_string(static_cast<unsigned>(d.month()));
  const std::string dd = std::to_string(static_cast<unsigned>(d.day()));
  std::string date;
  switch (formats.order) {
    case morvane::DateOrder::MonthDayYear: date = m + "/" + dd + "/" + y; break;
    case morvane::DateOrder::DayMonthYear: date = dd + "/" + m + "/" + y; break;
    case morvane::DateOrder::YearMonthDay: date = y + "/" + m + "/" + dd; break;
  }
  char time[16];
  std::snprintf(time, sizeof time, "%d:%02d:%02d", static_cast<int>(t.hours().count()),
                static_cast<int>(t.minutes().count()), static_cast<int>(t.seconds().count()));
  return date + " " + time;
}

void CheckMoment(LocalTime moment, const LocaleFormats& formats, std::string_view text) {
  const year_month_day d{floor<days>(moment)};
  Check(d.ok(), "converted date is not a calendar date", text);
  const int y = static_cast<int>(d.year());
  Check(y >= morvane::kMinYear && y <= morvane::kMaxYear, "converted year out of range", text);
  const std::string again = Written(moment, formats);
  Check(morvane::ConvertDateTime(again, kNow, formats) == moment, "written-back moment converts differently", text);
}

// The schedule a text stands for, found from the forms' shapes and the conversion alone.
void CheckSchedule(const CommandLineForm& form, std::string_view text, morvane::Action action,
                   const LocaleFormats& formats, std::string_view raw) {
  const bool clock = text.size() >= 5 && IsDigit(text[0]) && IsDigit(text[1]) && text[2] == ':' && IsDigit(text[3]) &&
                     IsDigit(text[4]);
  const std::optional<LocalTime> converted =
      text.size() <= morvane::kMaxDateTextLength ? morvane::ConvertDateTime(text, kNow, formats) : std::nullopt;
  if (clock && (text.size() == 5 || (text.size() == 8 && text.substr(5) == ":00"))) {
    Check(form.kind == Kind::Schedule && form.schedule.action == action, "wrong form", raw);
    Check(form.schedule.mode == (text.size() == 5 ? morvane::ScheduleMode::After : morvane::ScheduleMode::At),
          "wrong mode", raw);
    Check(!form.schedule.date, "a date for a clock form", raw);
    Check(form.schedule.hours == (text[0] - '0') * 10 + (text[1] - '0') &&
              form.schedule.minutes == (text[3] - '0') * 10 + (text[4] - '0'),
          "fields not as typed", raw);
    return;
  }
  if (!text.empty() && converted) {
    CheckMoment(*converted, formats, raw);
    Check(form.kind == Kind::Schedule && form.schedule.action == action && form.schedule.date, "wrong form", raw);
    const LocalTime at = local_days{*form.schedule.date} + hours{form.schedule.hours} + minutes{form.schedule.minutes};
    Check(form.schedule.hours >= 0 && form.schedule.hours <= 23 && form.schedule.minutes >= 0 &&
              form.schedule.minutes <= 59,
          "time parts out of range", raw);
    Check(at == floor<minutes>(*converted), "date form differs from the conversion", raw);
    return;
  }
  Check(form.kind == Kind::Invalid, "wrong form", raw);
}

void CheckForm(std::string_view raw, const LocaleFormats& formats) {
  const CommandLineForm form = morvane::ParseCommandLine(
      raw, [&formats](std::string_view text) { return morvane::ConvertDateTime(text, kNow, formats); });
  const std::string lowered = morvane::LowerCase(morvane::Unquoted(raw));
  const std::optional<LocalTime> converted = morvane::ConvertDateTime(raw, kNow, formats);
  Check(converted == morvane::ConvertDateTime(morvane::LowerCase(raw), kNow, formats), "conversion depends on letter case",
        raw);
  if (lowered.empty()) {
    Check(form.kind == Kind::Empty, "wrong form", raw);
    return;
  }
  if (std::optional<morvane::Action> action = morvane::ActionOfWord(lowered)) {
    Check(form.kind == Kind::ActNow && form.action == *action, "wrong form", raw);
    return;
  }
  const std::size_t space = lowered.find(' ');
  const std::optional<morvane::Action> word =
      space == std::string::npos ? std::nullopt : morvane::ActionOfWord(std::string_view(lowered).substr(0, space));
  if (!word) {
    CheckSchedule(form, lowered, morvane::Action::ShutDown, formats, raw);
    return;
  }
  const std::string_view rest = morvane::Unquoted(std::string_view(lowered).substr(space + 1));
  if (rest.empty()) {
    Check(form.kind == Kind::Invalid, "wrong form", raw);
    return;
  }
  CheckSchedule(form, rest, *word, formats, raw);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const std::string lowered = morvane::LowerCase(raw);

  Check(lowered.size() == raw.size(), "lower-casing changed the length", raw);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    const char want = c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
    Check(lowered[i] == want, "lower-casing touched more than ASCII capitals", raw);
  }
  Check(morvane::LowerCase(lowered) == lowered, "lower-casing is not idempotent", raw);

  // StartUp takes one pair of quotes off the whole text before anything else.
  const std::string_view unquoted = morvane::Unquoted(raw);
  const bool quoted = raw.size() >= 2 && raw.front() == '"' && raw.back() == '"';
  Check(unquoted == (quoted ? raw.substr(1, raw.size() - 2) : raw), "quotes taken off wrongly", raw);

  for (const LocaleFormats& formats : kLocales) CheckForm(raw, formats);
  return 0;
}
