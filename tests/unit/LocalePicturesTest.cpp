// The Win32 backend reads the locale's Windows pictures into the values the program writes with.
#include <gtest/gtest.h>

#include "backends/win32/LocalePictures.h"
#include "schedule/LocaleText.h"

namespace morvane {
namespace {

TEST(LocalePictures, APictureWritesWhatTheValuesWrite) {
  using namespace std::chrono;
  const LocalTime morning = local_days{year{2027} / 3 / 7} + hours{9} + minutes{5} + seconds{4};
  const struct { const char *date, *time, *expected; } rows[] = {
      {"M/d/yyyy", "h:mm:ss tt", "3/7/2027 9:05:04 AM"},
      {"dd.MM.yy", "HH:mm:ss", "07.03.27 09:05:04"},
      {"yyyy/MM/dd", "tt h:mm:ss", "2027/03/07 AM 9:05:04"},
      {"d-MMM-yyyy", "H.mm.ss", "7-03-2027 9.05.04"},           // a month's name counts as two figures
      {"dd'.'MM'.'yyyy", "hh'h'mm'm'ss", "07.03.2027 09h05h04 AM"},  // quoted separators
      {"", "", "3/7/2027 9:05:04 AM"},                          // nothing shown: the values stay
  };
  for (const auto& r : rows) {
    LocaleFormats formats;
    if (r.date[0] == 'd') formats.order = DateOrder::DayMonthYear;
    if (r.date[0] == 'y') formats.order = DateOrder::YearMonthDay;
    ReadDatePicture(r.date, formats);
    ReadTimePicture(r.time, formats);
    EXPECT_EQ(FormatGeneralDateTime(morning, formats), r.expected) << r.date << " " << r.time;
  }
}

}  // namespace
}  // namespace morvane
