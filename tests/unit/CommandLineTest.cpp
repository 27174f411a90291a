// The command-line forms in their order, and the date-and-time conversion behind the date form.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "schedule/ActionText.h"
#include "platform/DateConversion.h"
#include "platform/AutomationDate.h"

namespace morvane {
namespace {

using namespace std::chrono;
using Kind = CommandLineForm::Kind;

LocalTime At(int y, unsigned m, unsigned d, int hh = 0, int mm = 0, int ss = 0) {
  return local_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mm} + seconds{ss};
}
const LocalTime kNow = At(2026, 5, 14, 10, 20, 30);
const LocaleFormats kUs;
const LocaleFormats kGerman{.order = DateOrder::DayMonthYear, .dateSeparator = ".", .dayTwoDigits = true,
                            .monthTwoDigits = true, .twelveHour = false, .hourTwoDigits = true, .am = "", .pm = ""};

DateTimeConversion Portable(const LocaleFormats& formats) {
  return [&formats](std::string_view text) { return ConvertDateTime(text, kNow, formats); };
}

// The form in a few words: "empty", "invalid", "now <action>", "<action> after h:m",
// "<action> at h:m" (today) or "<action> at y-m-d h:m".
std::string Described(const CommandLineForm& form) {
  switch (form.kind) {
    case Kind::Empty: return "empty";
    case Kind::Invalid: return "invalid";
    case Kind::ActNow: return std::string("now ") + ActionWord(form.action);
    case Kind::Schedule: break;
  }
  const Schedule& s = form.schedule;
  std::string text = std::string(ActionWord(s.action)) + (s.mode == ScheduleMode::After ? " after " : " at ");
  if (s.date) {
    text += std::to_string(static_cast<int>(s.date->year())) + "-" +
            std::to_string(static_cast<unsigned>(s.date->month())) + "-" +
            std::to_string(static_cast<unsigned>(s.date->day())) + " ";
  }
  return text + std::to_string(s.hours) + ":" + std::to_string(s.minutes);
}

// The whole text as handed over: quotes and capitals are the parser's to deal with. An action
// word alone is done at once; before a schedule form, one space between, it is that schedule's.
TEST(CommandLine, FormsInOrder) {
  const struct { const char* text; const char* form; } rows[] = {
      {"", "empty"},                           {"\"\"", "empty"},
      {"SHUTDOWN", "now shutdown"},            {"ShutDown", "now shutdown"},
      {"\"shutdown\"", "now shutdown"},       {"Restart", "now restart"},
      {"sleep", "now sleep"},                  {"HIBERNATE", "now hibernate"},
      {"logoff", "now logoff"},                {"lock", "now lock"},
      {"shutdown now", "invalid"},             {" shutdown", "invalid"},
      {"log off", "invalid"},                  {"restart ", "invalid"},
      {"restart  01:30", "restart at 2026-5-14 1:30"},  // the rest is read as a whole line would be
      {"01:30", "shutdown after 1:30"},
      {"shutdown 01:30", "shutdown after 1:30"}, {"Restart 01:30", "restart after 1:30"},
      {"\"restart 01:30\"", "restart after 1:30"}, {"99:99", "shutdown after 99:99"},
      {"21:30:00", "shutdown at 21:30"},       {"sleep 23:00:00", "sleep at 23:0"},
      {"99:99:00", "shutdown at 99:99"},       {"12:3x", "invalid"},
      {"lock 12:3x", "invalid"},               {"12:3x:00", "invalid"},
      {"\"01:30x", "invalid"},                 {"21:30:15", "shutdown at 2026-5-14 21:30"},
      {"1:30", "shutdown at 2026-5-14 1:30"},   {"01:30 ", "shutdown at 2026-5-14 1:30"},
      {"hibernate 2026-12-24 18:00", "hibernate at 2026-12-24 18:0"},
      {"hibernate \"2026-12-24 18:00\"", "hibernate at 2026-12-24 18:0"},
      {"logoff \"2026-12-24", "invalid"},
  };
  for (const auto& r : rows) EXPECT_EQ(Described(ParseCommandLine(r.text, Portable(kUs))), r.form) << r.text;
  EXPECT_EQ(Described(ParseCommandLine("24.12.2026 21:05", Portable(kGerman))), "shutdown at 2026-12-24 21:5");
  EXPECT_EQ(Described(ParseCommandLine("24.12.2026 21:05", Portable(kUs))), "invalid");
}

// A schedule's fields: the hh:mm forms keep two digits each, a date's reading is numbers.
TEST(CommandLine, ScheduleFieldTexts) {
  const std::vector<FieldText> after = FieldTexts(ParseCommandLine("01:30", Portable(kUs)).schedule);
  EXPECT_EQ(after, (std::vector<FieldText>{{Field::AfterHours, "01"}, {Field::AfterMinutes, "30"}}));
  const std::vector<FieldText> today = FieldTexts(ParseCommandLine("09:05:00", Portable(kUs)).schedule);
  EXPECT_EQ(today, (std::vector<FieldText>{{Field::AtHour, "09"}, {Field::AtMinute, "05"}}));
  const std::vector<FieldText> date = FieldTexts(ParseCommandLine("2026-01-02 03:04", Portable(kUs)).schedule);
  EXPECT_EQ(date, (std::vector<FieldText>{{Field::AtHour, "3"}, {Field::AtMinute, "4"}, {Field::AtYear, "2026"},
                                          {Field::AtMonth, "1"}, {Field::AtDay, "2"}}));
}

// The date form takes whatever the platform's conversion reads, with the seconds dropped;
// the forms before it never ask, and a text too long for a date is refused unasked.
TEST(CommandLine, DateFormIsThePlatformsConversion) {
  std::vector<std::string> asked;
  const DateTimeConversion platform = [&asked](std::string_view text) -> std::optional<LocalTime> {
    asked.emplace_back(text);
    if (text.starts_with("dec 24 2080")) return At(2080, 12, 24, 18, 0, 59);
    return std::nullopt;
  };
  const std::string longest = "dec 24 2080" + std::string(53, ' ');
  const struct { std::string text; const char* form; std::optional<std::string> asks; } rows[] = {
      {"Dec 24 2080 6pm", "shutdown at 2080-12-24 18:0", "dec 24 2080 6pm"},
      {longest, "shutdown at 2080-12-24 18:0", longest},
      {longest + " ", "invalid", {}},
      {"restart " + longest, "restart at 2080-12-24 18:0", longest},
      {"01:30", "shutdown after 1:30", {}},
      {"21:30:00", "shutdown at 21:30", {}},
      {"shutdown", "now shutdown", {}},
      {"12/24/2080 18:00", "invalid", "12/24/2080 18:00"},
  };
  for (const auto& r : rows) {
    asked.clear();
    EXPECT_EQ(Described(ParseCommandLine(r.text, platform)), r.form) << r.text;
    EXPECT_EQ(asked, r.asks ? std::vector<std::string>{*r.asks} : std::vector<std::string>{}) << r.text;
  }
}

// What Windows' conversion returns: days since 30 December 1899 with the time as the fraction.
TEST(AutomationDate, DaysAndFractionsAreLocalDatesAndTimes) {
  const local_days today = floor<days>(kNow);
  const struct { double date; std::optional<LocalTime> expected; } rows[] = {
      {66104.75, At(2080, 12, 24, 18)},
      {46363 + (12 * 3600 + 34 * 60 + 56) / 86400.0, At(2026, 12, 7, 12, 34, 56)},
      {0.25, At(2026, 5, 14, 6)},  // a time alone: on today
      {0.0, At(2026, 5, 14)},
      {1.5, At(1899, 12, 31, 12)},
      {-1.25, At(1899, 12, 29, 6)},  // the sign is the day's; the time still runs forward
      {-657434.0, At(100, 1, 1)},
      {2958465 + 86399 / 86400.0, At(9999, 12, 31, 23, 59, 59)},
      {2958466.0, std::nullopt},
      {-657435.0, std::nullopt},
      {std::nan(""), std::nullopt},
  };
  for (const auto& r : rows) EXPECT_EQ(LocalTimeFromAutomationDate(r.date, today), r.expected) << r.date;
}

TEST(DateConversion, AcceptedTexts) {
  const struct { const char* text; const LocaleFormats& formats; LocalTime expected; } rows[] = {
      {"12/7/2026", kUs, At(2026, 12, 7)},          {"12-07-2026", kUs, At(2026, 12, 7)},
      {"12.7.26", kUs, At(2026, 12, 7)},            {"2/29/2028", kUs, At(2028, 2, 29)},
      {"2026-12-07", kUs, At(2026, 12, 7)},         {"12/7/2026 21:30", kUs, At(2026, 12, 7, 21, 30)},
      {"12/7/2026  9:30:45 PM", kUs, At(2026, 12, 7, 21, 30, 45)},
      {"12/7/2026 9:30pm", kUs, At(2026, 12, 7, 21, 30)},
      {"1:30", kUs, At(2026, 5, 14, 1, 30)},        {"12:00 am", kUs, At(2026, 5, 14, 0, 0)},
      {"12:00 pm", kUs, At(2026, 5, 14, 12, 0)},    {" 21:30 ", kUs, At(2026, 5, 14, 21, 30)},
      {"7/12/2026", kGerman, At(2026, 12, 7)},      {"13.1.27", kGerman, At(2027, 1, 13)},
      {"2026-12-07", kGerman, At(2026, 12, 7)},     {"31.12.2026 23:59:59", kGerman, At(2026, 12, 31, 23, 59, 59)},
  };
  for (const auto& r : rows) EXPECT_EQ(ConvertDateTime(r.text, kNow, r.formats), r.expected) << r.text;
}

TEST(DateConversion, RefusedTexts) {
  const std::vector<std::string> refusedByBoth = {
      "", " ", "shutdown", "shutdown now", "12:3x", "2/30/2026", "2/29/2027", "0/1/2026", "25:00", "24:00", "12:60",
      "12:30:60", "1:5", "123:00", "13:00 pm", "0:30 am", "12/7", "12/7/2026/1", "12/7-2026", "12/7/20266",
      "12/7/2026 21", "12/7/2026 21:30 x", "21:30 12/7/2026", "pm", "2026-12-07t21:30", "12//2026", "1:30:",
      "12/7/099", "+1:30", "1:30\n", "\xff\xfe", "1/1/1e3", std::string("1:30\0", 5), std::string(100000, '9'),
      std::string(20, '9') + "/1/2026", std::string(5000, ':')};
  for (const std::string& text : refusedByBoth) {
    EXPECT_FALSE(ConvertDateTime(text, kNow, kUs)) << text;
    EXPECT_FALSE(ConvertDateTime(text, kNow, kGerman)) << text;
  }
  for (const char* text : {"13/1/2026", "4/31/2026", "2026/12/07"}) EXPECT_FALSE(ConvertDateTime(text, kNow, kUs)) << text;
  for (const char* text : {"12/13/2026", "31.4.2026"}) EXPECT_FALSE(ConvertDateTime(text, kNow, kGerman)) << text;
}

}  // namespace
}  // namespace morvane

namespace morvane {
namespace {

TEST(CommandLineQuotes, OnePairAroundTheWholeTextIsTheShellsNotTheSchedules) {
  EXPECT_EQ(Unquoted("\"2026-12-24 18:00\""), "2026-12-24 18:00");
  EXPECT_EQ(Unquoted("\"01:30\""), "01:30");
  EXPECT_EQ(Unquoted("01:30"), "01:30");
  EXPECT_EQ(Unquoted("\""), "\"");
  EXPECT_EQ(Unquoted("\"a\" \"b\""), "a\" \"b");
  EXPECT_EQ(Unquoted(""), "");
}

}  // namespace
}  // namespace morvane
