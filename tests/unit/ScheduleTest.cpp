// The schedule core: ValidateSchedule's two tables, ShutdownMoment's moments, the countdown line and the
// locale's date pictures in the messages.
#include <gtest/gtest.h>

#include "backends/headless/HeadlessTimeZone.h"
#include "schedule/Countdown.h"
#include "schedule/LocaleText.h"
#include "schedule/ShutdownMoment.h"
#include "schedule/ValidateSchedule.h"

namespace morvane {
namespace {

using namespace std::chrono;
using Focus = ValidationFailure::Focus;
constexpr Focus kBefore = Focus::BeforeMessage;
constexpr Focus kAfter = Focus::AfterMessageSelectAll;

LocalTime At(int y, unsigned m, unsigned d, int hh = 0, int mm = 0, int ss = 0) {
  return local_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mm} + seconds{ss};
}
const LocalTime kNow = At(2026, 5, 14, 10, 20, 30);  // a Thursday morning

ScheduleFields AtMode(std::string y, std::string m, std::string d, std::string hour, std::string minute) {
  return {y, m, d, hour, minute, "1", "0", ScheduleMode::At};
}
ScheduleFields AfterMode(std::string hours, std::string minutes) {
  return {"2026", "5", "14", "21", "0", hours, minutes, ScheduleMode::After};
}

struct Row {
  ScheduleFields fields;
  std::string message;  // empty: accepted
  Field field = Field::AtYear;
  Focus focus = kBefore;
};

// The check on a clock that keeps UTC, so that a reading is its own instant.
std::optional<ValidationFailure> Validate(const ScheduleFields& f, LocalTime now, const LocaleFormats& formats = {}) {
  return ValidateSchedule(f, Instant{now.time_since_epoch()}, HeadlessTimeZone{}, formats);
}

void CheckTable(const std::vector<Row>& rows, LocalTime now = kNow, const LocaleFormats& formats = {}) {
  for (const Row& r : rows) {
    const ScheduleFields& f = r.fields;
    SCOPED_TRACE(f.atYear + "-" + f.atMonth + "-" + f.atDay + " " + f.atHour + ":" + f.atMinute + " / " + f.afterHours + ":" + f.afterMinutes);
    std::optional<ValidationFailure> got = Validate(f, now, formats);
    if (r.message.empty()) {
      EXPECT_FALSE(got) << got->message;
      continue;
    }
    ASSERT_TRUE(got);
    EXPECT_EQ(got->message, r.message);
    EXPECT_EQ(got->field, r.field);
    EXPECT_EQ(got->focus, r.focus);
    EXPECT_FALSE(got->silent);
  }
}

const std::string kBadDate = "Error date, Please check it.";
const std::string kPastDate = "The current date is 5/14/2026, beyond the date you set. Please check it again.";
const std::string kPastTime = "The current time is 5/14/2026 10:20:30 AM, beyond the time you set. Please check it again.";

TEST(Validation, AtModeStepsInOrder) {
  CheckTable({
      {AtMode("", "13", "40", "99", "99"), "Please enter year number.", Field::AtYear, kBefore},
      {AtMode("2026", "", "", "", ""), "Please enter month number.", Field::AtMonth, kBefore},
      {AtMode("2026", "5", "", "", ""), "Please enter date number.", Field::AtDay, kBefore},
      {AtMode("2026", "13", "1", "21", "0"), kBadDate, Field::AtYear, kAfter},
      {AtMode("2026", "6", "31", "21", "0"), kBadDate, Field::AtYear, kAfter},
      {AtMode("2027", "2", "29", "21", "0"), kBadDate, Field::AtYear, kAfter},
      {AtMode("099", "6", "1", "21", "0"), kBadDate, Field::AtYear, kAfter},
      {AtMode("2026", "5", "13", "", ""), kPastDate, Field::AtYear, kAfter},
      {AtMode("2026", "5", "13", "99", "99"), kPastDate, Field::AtYear, kAfter},
      {AtMode("25", "12", "31", "21", "0"), kPastDate, Field::AtYear, kAfter},
      {AtMode("2026", "5", "14", "", ""), "Please enter hour number.", Field::AtHour, kBefore},
      {AtMode("2026", "5", "14", "21", ""), "Please enter minute number.", Field::AtMinute, kBefore},
      {AtMode("2026", "5", "15", "24", "60"), "The value must be 0-23.", Field::AtHour, kAfter},
      {AtMode("2026", "5", "15", "23", "60"), "The value must be 0-59.", Field::AtMinute, kAfter},
      {AtMode("2026", "5", "14", "9", "59"), kPastTime, Field::AtHour, kAfter},
      {AtMode("2026", "5", "14", "10", "20"), kPastTime, Field::AtHour, kAfter},
      {AtMode("2026", "5", "14", "10", "21"), ""},
      {AtMode("2026", "5", "15", "23", "59"), ""},
      {AtMode("2026", "06", "09", "07", "05"), ""},
      {AtMode("26", "12", "31", "0", "0"), ""},
      {AtMode("2028", "2", "29", "0", "0"), ""},
      {{"2026", "5", "15", "21", "0", "", "99", ScheduleMode::At}, ""},  // after-mode fields ignored
  });
  // Strict comparisons: the present moment and today's midnight are not in the past.
  CheckTable({{AtMode("2026", "5", "14", "10", "20"), ""}}, At(2026, 5, 14, 10, 20, 0));
  CheckTable({{AtMode("2026", "5", "14", "0", "0"), ""}}, At(2026, 5, 14));
}

TEST(Validation, AfterModeStepsInOrder) {
  const std::string kBothZero = "Hour number and minute number can't be 0 at the same time!";
  CheckTable({
      {AfterMode("", ""), "Please enter hour number.", Field::AfterHours, kBefore},
      {AfterMode("1", ""), "Please enter minute number.", Field::AfterMinutes, kBefore},
      {AfterMode("0", "60"), "The value must be 0-59.", Field::AfterMinutes, kAfter},
      {AfterMode("0", "0"), kBothZero, Field::AfterHours, kAfter},
      {AfterMode("00", "00"), kBothZero, Field::AfterHours, kAfter},
      {AfterMode("0", "1"), ""},
      {AfterMode("99", "59"), ""},
      {{"", "", "", "99", "", "1", "0", ScheduleMode::After}, ""},  // at-mode fields ignored
  });
}

TEST(Validation, TheModeChoosesTheTable) {
  CheckTable({{{"", "5", "14", "21", "0", "0", "0", ScheduleMode::At},
               "Please enter year number.", Field::AtYear, kBefore},
              {{"", "5", "14", "21", "0", "0", "0", ScheduleMode::After},
               "Hour number and minute number can't be 0 at the same time!", Field::AfterHours, kAfter}});
}

TEST(Validation, MessagesWriteDatesInTheLocaleFormat) {
  const LocaleFormats german{.order = DateOrder::DayMonthYear, .dateSeparator = ".", .dayTwoDigits = true,
                             .monthTwoDigits = true, .twelveHour = false, .hourTwoDigits = true, .am = "", .pm = ""};
  const LocalTime evening = At(2026, 5, 4, 18, 5, 9);
  CheckTable({{AtMode("2026", "5", "3", "21", "0"),
               "The current date is 04.05.2026, beyond the date you set. Please check it again.", Field::AtYear, kAfter},
              {AtMode("2026", "5", "4", "18", "4"),
               "The current time is 04.05.2026 18:05:09, beyond the time you set. Please check it again.", Field::AtHour,
               kAfter}},
             evening, german);
}

TEST(Validation, PastedTextThatIsNoNumberStopsSilently) {
  for (const ScheduleFields& f : {AtMode("2O26", "5", "15", "21", "0"), AtMode("2026", "5 ", "15", "21", "0"),
                                  AtMode("2026", "5", "-1", "21", "0"), AtMode("2026", "5", "15", "+1", "0"),
                                  AtMode("2026", "5", "15", "21", "0x"), AfterMode("1.5", "0"),
                                  AfterMode("1", std::string(30, '9'))}) {
    std::optional<ValidationFailure> got = Validate(f, kNow);
    ASSERT_TRUE(got);
    EXPECT_TRUE(got->silent);
    EXPECT_EQ(got->message, "");
  }
}

// Zones with both daylight-saving changes: New York's rule (the second Sunday of March to the
// first Sunday of November, at 2:00) and Sydney's, south of the equator (the first Sunday of
// October at 2:00 to the first Sunday of April at 3:00).
const HeadlessTimeZone kUtc;
const HeadlessTimeZone kNewYork{hours{-5}, hours{-4}, {3, 2, Sunday, hours{2}}, {11, 1, Sunday, hours{2}}};
const HeadlessTimeZone kSydney{hours{10}, hours{11}, {10, 1, Sunday, hours{2}}, {4, 1, Sunday, hours{3}}};

Instant Utc(int y, unsigned m, unsigned d, int hh = 0, int mm = 0, int ss = 0) {
  return Instant{At(y, m, d, hh, mm, ss).time_since_epoch()};
}
const Instant kNowInstant = Utc(2026, 5, 14, 10, 20, 30);

// The hours and minutes are real time: across a change the wall clock at the moment reads an
// hour more or less than the sum of the fields.
TEST(ShutdownMoment, AfterModeAddsRealTime) {
  const struct { const HeadlessTimeZone& zone; LocalTime start; const char *h, *m; LocalTime reads; } rows[] = {
      {kUtc, At(2026, 5, 14, 23, 50, 0), "0", "15", At(2026, 5, 15, 0, 5, 0)},
      {kUtc, At(2026, 5, 14, 10, 0, 7), "25", "00", At(2026, 5, 15, 11, 0, 7)},
      {kUtc, At(2026, 5, 14, 10, 0, 0), "99", "59", At(2026, 5, 18, 13, 59, 0)},
      {kNewYork, At(2027, 3, 14, 1, 30, 0), "1", "30", At(2027, 3, 14, 4, 0, 0)},
      {kNewYork, At(2027, 11, 7, 1, 30, 0), "1", "30", At(2027, 11, 7, 2, 0, 0)},  // from the first 1:30
      {kNewYork, At(2027, 11, 6, 12, 0, 0), "24", "0", At(2027, 11, 7, 11, 0, 0)},
      {kSydney, At(2027, 10, 3, 1, 0, 0), "2", "0", At(2027, 10, 3, 4, 0, 0)},
      {kSydney, At(2027, 4, 4, 2, 30, 0), "0", "45", At(2027, 4, 4, 2, 15, 0)},  // from the first 2:30
  };
  for (const auto& r : rows) {
    const Instant moment = *ShutdownMoment(AfterMode(r.h, r.m), r.zone.firstShowing(r.start), r.zone);
    EXPECT_EQ(r.zone.toLocal(moment), r.reads) << r.h << ":" << r.m;
  }
}

// The fields are read on the zone's wall clock. A time the clocks skip means the first instant
// after the skip; a time they show twice, its first showing.
TEST(ShutdownMoment, AtModeIsTheWallClockTimeInTheZone) {
  const struct { const HeadlessTimeZone& zone; const char *y, *mo, *d, *h, *mi; Instant expected; } rows[] = {
      {kUtc, "2026", "6", "1", "22", "30", Utc(2026, 6, 1, 22, 30)},
      {kNewYork, "2027", "1", "15", "12", "0", Utc(2027, 1, 15, 17, 0)},
      {kNewYork, "2027", "7", "1", "12", "0", Utc(2027, 7, 1, 16, 0)},
      {kNewYork, "2027", "3", "14", "1", "59", Utc(2027, 3, 14, 6, 59)},
      {kNewYork, "2027", "3", "14", "2", "0", Utc(2027, 3, 14, 7, 0)},  // skipped
      {kNewYork, "2027", "3", "14", "2", "59", Utc(2027, 3, 14, 7, 0)},  // skipped
      {kNewYork, "2027", "3", "14", "3", "0", Utc(2027, 3, 14, 7, 0)},
      {kNewYork, "2027", "11", "7", "0", "59", Utc(2027, 11, 7, 4, 59)},
      {kNewYork, "2027", "11", "7", "1", "0", Utc(2027, 11, 7, 5, 0)},  // shown twice
      {kNewYork, "2027", "11", "7", "1", "59", Utc(2027, 11, 7, 5, 59)},  // shown twice
      {kNewYork, "2027", "11", "7", "2", "0", Utc(2027, 11, 7, 7, 0)},
      {kSydney, "2027", "10", "3", "2", "30", Utc(2027, 10, 2, 16, 0)},  // skipped
      {kSydney, "2027", "4", "4", "2", "30", Utc(2027, 4, 3, 15, 30)},   // shown twice
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ShutdownMoment(AtMode(r.y, r.mo, r.d, r.h, r.mi), kNowInstant, r.zone), r.expected)
        << r.y << "-" << r.mo << "-" << r.d << " " << r.h << ":" << r.mi;
  }
}

// A reading means the next time the wall clock shows it: in the second pass of the hour the
// clocks repeat, the first pass is over; in the first pass, a reading already gone comes round
// once more. Start refuses a reading that will not come again, and counts to the one it takes.
TEST(ShutdownMoment, AReadingIsItsNextShowing) {
  const struct { const HeadlessTimeZone& zone; Instant now; LocalTime reading; std::optional<Instant> moment; } rows[] = {
      // New York, 7 November 2027: 1:00 to 1:59 is read from 5:00 UTC and again from 6:00 UTC.
      {kNewYork, Utc(2027, 11, 7, 5, 10), At(2027, 11, 7, 1, 50), Utc(2027, 11, 7, 5, 50)},
      {kNewYork, Utc(2027, 11, 7, 5, 10), At(2027, 11, 7, 1, 5), Utc(2027, 11, 7, 6, 5)},
      {kNewYork, Utc(2027, 11, 7, 6, 10), At(2027, 11, 7, 1, 50), Utc(2027, 11, 7, 6, 50)},
      {kNewYork, Utc(2027, 11, 7, 6, 10), At(2027, 11, 7, 1, 5), std::nullopt},
      {kNewYork, Utc(2027, 11, 7, 6, 10), At(2027, 11, 7, 0, 30), std::nullopt},
      {kNewYork, Utc(2027, 11, 7, 6, 10), At(2027, 11, 7, 2, 0), Utc(2027, 11, 7, 7, 0)},
      // New York, 14 March 2027: 2:00 to 2:59 is skipped; the clocks land on 3:00 at 7:00 UTC.
      {kNewYork, Utc(2027, 3, 14, 6, 30), At(2027, 3, 14, 2, 30), Utc(2027, 3, 14, 7, 0)},
      {kNewYork, Utc(2027, 3, 14, 7, 0), At(2027, 3, 14, 2, 30), Utc(2027, 3, 14, 7, 0)},
      {kNewYork, Utc(2027, 3, 14, 7, 0, 1), At(2027, 3, 14, 2, 30), std::nullopt},
      // Sydney, 4 April 2027: 2:00 to 2:59 is read from 15:00 UTC the day before and again from 16:00.
      {kSydney, Utc(2027, 4, 3, 15, 10), At(2027, 4, 4, 2, 5), Utc(2027, 4, 3, 16, 5)},
      {kSydney, Utc(2027, 4, 3, 16, 10), At(2027, 4, 4, 2, 50), Utc(2027, 4, 3, 16, 50)},
      {kSydney, Utc(2027, 4, 3, 16, 10), At(2027, 4, 4, 2, 5), std::nullopt},
      // Sydney, 3 October 2027: 2:00 to 2:59 is skipped; the clocks land on 3:00 at 16:00 UTC.
      {kSydney, Utc(2027, 10, 2, 15, 30), At(2027, 10, 3, 2, 30), Utc(2027, 10, 2, 16, 0)},
  };
  for (const auto& r : rows) {
    const year_month_day date{floor<days>(r.reading)};
    const hh_mm_ss time{r.reading - floor<days>(r.reading)};
    const ScheduleFields f = AtMode(std::to_string(int(date.year())), std::to_string(unsigned(date.month())),
                                    std::to_string(unsigned(date.day())), std::to_string(time.hours().count()),
                                    std::to_string(time.minutes().count()));
    SCOPED_TRACE(f.atMonth + "-" + f.atDay + " " + f.atHour + ":" + f.atMinute + " at " +
                 std::to_string(r.now.time_since_epoch().count()));
    EXPECT_EQ(r.zone.earliestShowing(r.reading, r.now), r.moment);
    EXPECT_EQ(ValidateSchedule(f, r.now, r.zone, {}).has_value(), !r.moment);
    if (r.moment) {
      EXPECT_EQ(ShutdownMoment(f, r.now, r.zone), *r.moment);
    }
  }
}

// The check and the moment read a short year the same way, so the accepted year is the one counted to.
TEST(ShutdownMoment, AtModeMomentAndTheYearReading) {
  const struct { const char* text; int year; } rows[] = {{"26", 2026}, {"7", 2007}, {"99", 2099}, {"2030", 2030}, {"150", 150}};
  for (const auto& r : rows) {
    ScheduleFields f = AtMode(r.text, "06", "1", "22", "30");
    const std::optional<Instant> moment =
        r.year < 2026 ? std::nullopt : std::optional(Utc(r.year, 6, 1, 22, 30, 0));  // a past one is refused
    EXPECT_EQ(ShutdownMoment(f, kNowInstant, kUtc), moment) << r.text;
    EXPECT_EQ(Validate(f, kNow).has_value(), r.year < 2026) << r.text;
  }
}

TEST(Countdown, LineAndAlertBySecondsLeft) {
  const struct { std::int64_t s; const char* line; std::optional<std::int64_t> alert; } rows[] = {
      {7500, "2 hours 5 minutes.", {}}, {3600, "1 hours 0 minutes.", {}}, {3599, "59 minutes.", {}},
      {119, "1 minutes.", {}},          {60, "1 minutes.", {}},           {59, "59 seconds.", {}},
      {16, "16 seconds.", {}},          {15, "15 seconds.", 15},          {0, "0 seconds.", 0},
      {3'000'000'000, "833333 hours 20 minutes.", {}},  // beyond 32 bits
  };
  for (const auto& r : rows) {
    CountdownTick tick = DecideCountdownTick(kNowInstant + seconds{r.s}, kNowInstant);
    EXPECT_FALSE(tick.shutdown);
    EXPECT_FALSE(tick.movedMoment);
    EXPECT_EQ(tick.line, std::string("Shutdown after ") + r.line);
    EXPECT_EQ(tick.alertNumber, r.alert) << r.s;
  }
}

// A moment reached by one tick is passed by the next, or by a tick that came a second late:
// that shuts down. A moment passed by more was slept through or jumped over by the clock: it
// moves to a full alert count from now. A clock set back adds time.
TEST(Countdown, AMomentLongPastIsAnnouncedBeforeAnythingHappens) {
  const Instant moment = kNowInstant + minutes{10};
  const struct { seconds past; bool shutdown; } rows[] = {
      {seconds{1}, true}, {seconds{2}, true}, {seconds{3}, false}, {hours{2}, false}};
  for (const auto& r : rows) {
    const Instant now = moment + r.past;
    CountdownTick tick = DecideCountdownTick(moment, now);
    EXPECT_EQ(tick.shutdown, r.shutdown) << r.past.count();
    if (r.shutdown) {
      EXPECT_FALSE(tick.movedMoment);
      continue;
    }
    EXPECT_EQ(tick.movedMoment, now + seconds{15});
    EXPECT_EQ(tick.alertNumber, 15);
    EXPECT_EQ(tick.line, "Shutdown after 15 seconds.");
  }
  EXPECT_EQ(DecideCountdownTick(moment, kNowInstant - hours{2}).line, "Shutdown after 2 hours 10 minutes.");
}

TEST(LocaleText, TheLocalesLayouts) {
  const LocalTime morning = At(2027, 3, 7, 9, 5, 4);
  const struct { LocaleFormats formats; const char* expected; } rows[] = {
      {{}, "3/7/2027 9:05:04 AM"},
      {{.order = DateOrder::DayMonthYear, .dateSeparator = ".", .dayTwoDigits = true, .monthTwoDigits = true,
        .yearTwoDigits = true, .hourTwoDigits = true, .am = "A"},
       "07.03.27 09:05:04 A"},
      {{.order = DateOrder::YearMonthDay, .dateSeparator = "-", .monthTwoDigits = true, .timeSeparator = ".",
        .twelveHour = false},
       "2027-03-7 9.05.04"},
      {{.designatorFirst = true, .am = "\xec\x98\xa4\xec\xa0\x84"}, "3/7/2027 \xec\x98\xa4\xec\xa0\x84 9:05:04"},
  };
  for (const auto& r : rows) EXPECT_EQ(FormatGeneralDateTime(morning, r.formats), r.expected);
  EXPECT_EQ(FormatGeneralDateTime(At(2026, 12, 31), {}), "12/31/2026 12:00:00 AM");
  EXPECT_EQ(FormatGeneralDateTime(At(2026, 12, 31, 12, 0, 0), {}), "12/31/2026 12:00:00 PM");
}

}  // namespace
}  // namespace morvane
