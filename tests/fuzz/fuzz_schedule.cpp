// Start's checks, the shutdown moment and each tick's decision, for any fields, colours and present moment;
// the moment on a UTC clock against its own reckoning, and in a zone with daylight saving by what it must read.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/headless/HeadlessTimeZone.h"
#include "schedule/Countdown.h"
#include "platform/FieldReading.h"
#include "schedule/ShutdownMoment.h"
#include "schedule/ValidateSchedule.h"

namespace {

using namespace std::chrono;
using morvane::Field;
using morvane::Instant;
using morvane::LocalTime;
using morvane::ScheduleFields;
using morvane::ValidationFailure;
using Focus = ValidationFailure::Focus;

// The clock Windows can report: SYSTEMTIME runs from 1601 to 30827.
const LocalTime kEarliest = local_days{year{1601} / 1 / 1};
const LocalTime kLatest = local_days{year{30827} / 12 / 31} + hours{23} + minutes{59} + seconds{59};

[[noreturn]] void Fail(const char* what, const ScheduleFields& f, LocalTime now) {
  const year_month_day d{floor<days>(now)};
  std::fprintf(stderr,
               "schedule: %s\n  fields 3-9: \"%s\" \"%s\" \"%s\" \"%s\" \"%s\" \"%s\" \"%s\"  mode %s\n"
               "  now %d-%u-%u +%llds\n",
               what, f.atYear.c_str(), f.atMonth.c_str(), f.atDay.c_str(), f.atHour.c_str(), f.atMinute.c_str(),
               f.afterHours.c_str(), f.afterMinutes.c_str(), f.mode == morvane::ScheduleMode::At ? "at" : "after",
               static_cast<int>(d.year()),
               static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()),
               static_cast<long long>((now - floor<days>(now)).count()));
  std::abort();
}

// Digits only, and the value fits in 32 bits.
std::optional<std::int64_t> Number(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const std::size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  if (text.size() - first > 10) return std::nullopt;
  const std::int64_t value = std::stoll(text.substr(first));
  if (value > 2147483647) return std::nullopt;
  return value;
}

struct Expected {
  std::string message;  // for the dated messages only their opening
  Field field;
  Focus focus;
  bool silent = false;
  bool prefix = false;
};
Expected Empty(const char* m, Field f) { return {m, f, Focus::BeforeMessage}; }
Expected Wrong(const char* m, Field f, bool prefix = false) {
  return {m, f, Focus::AfterMessageSelectAll, false, prefix};
}
Expected Silent(Field f) { return {"", f, Focus::BeforeMessage, true}; }

struct Outcome {
  std::optional<Expected> failure;
  LocalTime target{};  // when accepted: the wall-clock reading of the moment
};

// A clock on UTC, so the instant of a reading is the reading itself.
Instant OnUtc(LocalTime t) { return Instant{t.time_since_epoch()}; }

Outcome AtMode(const ScheduleFields& f, LocalTime now) {
  if (f.atYear.empty()) return {Empty("Please enter year number.", Field::AtYear)};
  if (f.atMonth.empty()) return {Empty("Please enter month number.", Field::AtMonth)};
  if (f.atDay.empty()) return {Empty("Please enter date number.", Field::AtDay)};
  const local_days today = floor<days>(now);
  std::optional<std::int64_t> y = Number(f.atYear), m = Number(f.atMonth), d = Number(f.atDay);
  if (!y) return {Silent(Field::AtYear)};
  if (!m) return {Silent(Field::AtMonth)};
  if (!d) return {Silent(Field::AtDay)};
  if (f.atYear.size() <= 2) *y += static_cast<int>(year_month_day{today}.year()) / 100 * 100;
  const bool inRange = *y >= 100 && *y <= 9999 && *m >= 1 && *m <= 12 && *d >= 1 && *d <= 31;
  const year_month_day date = inRange ? year{static_cast<int>(*y)} / month{static_cast<unsigned>(*m)} /
                                            day{static_cast<unsigned>(*d)}
                                      : year_month_day{};
  if (!inRange || !date.ok()) return {Wrong("Error date, Please check it.", Field::AtYear)};
  if (today > local_days{date}) return {Wrong("The current date is ", Field::AtYear, true)};
  if (f.atHour.empty()) return {Empty("Please enter hour number.", Field::AtHour)};
  if (f.atMinute.empty()) return {Empty("Please enter minute number.", Field::AtMinute)};
  std::optional<std::int64_t> h = Number(f.atHour);
  if (!h) return {Silent(Field::AtHour)};
  if (*h > 23) return {Wrong("The value must be 0-23.", Field::AtHour)};
  std::optional<std::int64_t> mi = Number(f.atMinute);
  if (!mi) return {Silent(Field::AtMinute)};
  if (*mi > 59) return {Wrong("The value must be 0-59.", Field::AtMinute)};
  const LocalTime moment = local_days{date} + hours{*h} + minutes{*mi};
  if (now > moment) return {Wrong("The current time is ", Field::AtHour, true)};
  return {std::nullopt, moment};
}

Outcome AfterMode(const ScheduleFields& f, LocalTime now) {
  if (f.afterHours.empty()) return {Empty("Please enter hour number.", Field::AfterHours)};
  if (f.afterMinutes.empty()) return {Empty("Please enter minute number.", Field::AfterMinutes)};
  std::optional<std::int64_t> mi = Number(f.afterMinutes);
  if (!mi) return {Silent(Field::AfterMinutes)};
  if (*mi > 59) return {Wrong("The value must be 0-59.", Field::AfterMinutes)};
  std::optional<std::int64_t> h = Number(f.afterHours);
  if (!h) return {Silent(Field::AfterHours)};
  if (*h == 0 && *mi == 0) return {Wrong("Hour number and minute number can't be 0 at the same time!", Field::AfterHours)};
  // On a UTC clock, real time and the wall clock agree.
  return {std::nullopt, now + seconds{*h * 3600 + *mi * 60}};
}

void CheckTick(Instant target, Instant now, const ScheduleFields& f) {
  const LocalTime shownNow{now.time_since_epoch()};
  const morvane::CountdownTick tick = morvane::DecideCountdownTick(target, now);
  if (target < now && now - target <= seconds{2}) {
    if (!tick.shutdown || tick.movedMoment) Fail("a moment just passed does not shut down", f, shownNow);
    return;
  }
  if (tick.shutdown) Fail("shut down before the moment, or long after it without warning", f, shownNow);
  if (target < now) {
    if (tick.movedMoment != now + seconds{15}) Fail("a moment long past is not moved to a full alert", f, shownNow);
    target = *tick.movedMoment;
  } else if (tick.movedMoment) {
    Fail("a moment still ahead was moved", f, shownNow);
  }
  const std::int64_t s = (target - now).count();
  std::string left;
  if (s >= 3600) {
    left = std::to_string(s / 3600) + " hours " + std::to_string(s / 60 - s / 3600 * 60) + " minutes.";
  } else if (s >= 60) {
    left = std::to_string(s / 60) + " minutes.";
  } else {
    left = std::to_string(s) + " seconds.";
  }
  if (tick.line != "Shutdown after " + left) Fail("countdown line", f, shownNow);
  if (tick.alertNumber != (s <= 15 ? std::optional<std::int64_t>(s) : std::nullopt)) Fail("alert number", f, shownNow);
}

// In a zone with daylight saving the at-mode moment is the first instant whose reading is the
// one set or later: the reading itself, or where the clocks land when they skip it.
void CheckZonedAtMoment(const ScheduleFields& f, LocalTime wanted, Instant now) {
  static const morvane::HeadlessTimeZone kNewYork{hours{-5}, hours{-4}, {3, 2, Sunday, hours{2}},
                                                  {11, 1, Sunday, hours{2}}};
  const Instant target = morvane::ShutdownMoment(f, now, kNewYork).value_or(now);
  const LocalTime reads = kNewYork.toLocal(target);
  if (reads < wanted || reads > wanted + hours{1} || kNewYork.toLocal(target - seconds{1}) >= wanted) {
    Fail("zoned at-mode moment", f, LocalTime{now.time_since_epoch()});
  }
}

// The input is read as lines: fields 3 to 9, the two colours, the present as seconds from
// 2026-12-07 0:00, the short date and long time pictures, the two day-half names and a tick
// offset in seconds. Missing lines keep the usual values, so seeds stay readable.
struct Input {
  std::vector<std::string> lines;
  std::string line(std::size_t i, const char* usual) const { return i < lines.size() ? lines[i] : usual; }
};

Input Split(std::string_view bytes) {
  Input in;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    in.lines.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return in;
}

// Decimal with wrap-around, so that every number the line spells is some value; a line that
// spells none gives its first bytes.
std::uint64_t Bits(const std::string& line) {
  const bool negative = !line.empty() && line[0] == '-';
  const std::string digits = line.substr(negative ? 1 : 0);
  std::uint64_t value = 0;
  if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos) {
    for (char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return negative ? 0 - value : value;
  }
  for (std::size_t i = 0; i < line.size() && i < 8; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(line[i])} << (8 * i);
  }
  return value;
}

// Seconds from 2026-12-07 0:00, wrapped into the span the clock can show.
LocalTime Present(const std::string& line) {
  const std::int64_t first = kEarliest.time_since_epoch().count();
  const std::uint64_t span = static_cast<std::uint64_t>(kLatest.time_since_epoch().count() - first) + 1;
  const std::int64_t base = local_days{year{2026} / 12 / 7}.time_since_epoch().count();
  const std::uint64_t fromFirst = static_cast<std::uint64_t>(base - first) + Bits(line);
  return LocalTime{seconds{first + static_cast<std::int64_t>(fromFirst % span)}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input in = Split(std::string_view(reinterpret_cast<const char*>(data), size));
  ScheduleFields f{in.line(0, "2026"), in.line(1, "12"), in.line(2, "7"), in.line(3, "21"), in.line(4, "0"),
                   in.line(5, "1"),    in.line(6, "0")};
  // Lines 7 and 8 held the two mode words' colours; the "at" one (black: 0) picks the mode.
  f.mode = Bits(in.line(8, "8421504")) == 0 ? morvane::ScheduleMode::At : morvane::ScheduleMode::After;
  const LocalTime now = Present(in.line(9, "36000"));
  // Lines 10 and 11: the date's and the time's separators; the bits of line 15 pick the widths,
  // the clock and the designator's place.
  const std::uint64_t layout = Bits(in.line(15, "8"));
  const morvane::LocaleFormats formats{.dateSeparator = in.line(10, "/"), .dayTwoDigits = (layout & 1) != 0,
                                       .monthTwoDigits = (layout & 2) != 0, .yearTwoDigits = (layout & 4) != 0,
                                       .timeSeparator = in.line(11, ":"), .twelveHour = (layout & 8) != 0,
                                       .hourTwoDigits = (layout & 16) != 0, .designatorFirst = (layout & 32) != 0,
                                       .am = in.line(12, "AM"), .pm = in.line(13, "PM")};

  const bool atMode = f.mode == morvane::ScheduleMode::At;
  const std::optional<ValidationFailure> got = morvane::ValidateSchedule(f, OnUtc(now), morvane::HeadlessTimeZone{}, formats);
  const Outcome want = atMode ? AtMode(f, now) : AfterMode(f, now);
  if (got.has_value() != want.failure.has_value()) Fail(got ? "refused a good schedule" : "accepted a bad one", f, now);
  if (got) {
    const Expected& e = *want.failure;
    if (got->field != e.field || got->focus != e.focus || got->silent != e.silent) Fail("wrong failure", f, now);
    const bool messageOk = e.prefix ? got->message.rfind(e.message, 0) == 0 : got->message == e.message;
    if (!messageOk) Fail("wrong message", f, now);
  }

  const Instant target = morvane::ShutdownMoment(f, OnUtc(now), morvane::HeadlessTimeZone{}).value_or(OnUtc(now));
  if (!got) {
    if (target != OnUtc(want.target)) Fail("shutdown moment", f, now);
    if (target < OnUtc(now)) Fail("accepted schedule lies in the past", f, now);
    // A short year is read in the century of the local date, which the zone may put in another.
    if (atMode && f.atYear.size() > 2) CheckZonedAtMoment(f, want.target, OnUtc(now));
  }
  CheckTick(target, OnUtc(now), f);
  const std::int64_t offset = static_cast<std::int64_t>(Bits(in.line(14, "15")));
  CheckTick(OnUtc(now) + seconds{static_cast<std::int32_t>(offset)}, OnUtc(now), f);
  CheckTick(OnUtc(now) + seconds{offset % (std::int64_t{1} << 40)}, OnUtc(now), f);
  return 0;
}
