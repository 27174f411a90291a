// The command-line forms in their order, and the date-and-time conversion behind the date form.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/DateConversion.h"

namespace morvane {
namespace {

using namespace std::chrono;
using Kind = CommandLineForm::Kind;

LocalTime At(int y, unsigned m, unsigned d, int hh = 0, int mm = 0, int ss = 0) {
  return local_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mm} + seconds{ss};
}
const LocalTime kNow = At(2026, 5, 14, 10, 20, 30);
const LocaleFormats kUs;
const LocaleFormats kGerman{"dd.MM.yyyy", "HH:mm:ss", "", "", DateOrder::DayMonthYear};

TEST(CommandLine, FormsInOrder) {
  const struct { const char* text; Kind kind; const char *first, *second; } rows[] = {
      {"", Kind::Empty, "", ""},           {"SHUTDOWN", Kind::Shutdown, "", ""},
      {"ShutDown", Kind::Shutdown, "", ""}, {"shutdown now", Kind::Invalid, "", ""},
      {" shutdown", Kind::Invalid, "", ""}, {"01:30", Kind::After, "01", "30"},
      {"99:99", Kind::After, "99", "99"},   {"21:30:00", Kind::AtToday, "21", "30"},
      {"99:99:00", Kind::AtToday, "99", "99"}, {"12:3x", Kind::Invalid, "", ""},
      {"12:3x:00", Kind::Invalid, "", ""},  {"21:30:15", Kind::AtDateTime, "", ""},
      {"1:30", Kind::AtDateTime, "", ""},   {"01:30 ", Kind::AtDateTime, "", ""},
  };
  for (const auto& r : rows) {
    CommandLineForm form = ParseCommandLine(LowerCase(r.text), kNow, kUs);
    EXPECT_EQ(form.kind, r.kind) << r.text;
    EXPECT_EQ(form.first + "|" + form.second, std::string(r.first) + "|" + r.second) << r.text;
  }
  CommandLineForm form = ParseCommandLine("21:30:15", kNow, kUs);  // a time alone falls on today
  EXPECT_EQ((std::array{form.year, form.month, form.day, form.hour, form.minute}),
            (std::array{2026, 5, 14, 21, 30}));
  form = ParseCommandLine("24.12.2026 21:05", kNow, kGerman);
  EXPECT_EQ((std::array{form.year, form.month, form.day, form.hour, form.minute}),
            (std::array{2026, 12, 24, 21, 5}));
  EXPECT_EQ(ParseCommandLine("24.12.2026 21:05", kNow, kUs).kind, Kind::Invalid);
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
