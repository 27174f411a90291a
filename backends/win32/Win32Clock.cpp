// The clock on Windows: the instant from the system clock, and local time through the zone's
// rules for the year in question, which carry that year's daylight-saving dates rather than
// only today's.
#include <windows.h>

#include "backends/win32/Win32Clock.h"
#include "backends/win32/Win32System.h"

namespace morvane {

using namespace std::chrono;

namespace {

// FILETIME counts 100-nanosecond steps from 1601-01-01 UTC.
constexpr std::int64_t kFileTimeTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

// The years a SYSTEMTIME can hold.
constexpr int kFirstSystemYear = 1601;
constexpr int kLastSystemYear = 30827;

bool ToSystemTime(Instant instant, SYSTEMTIME& out) {
  const sys_days day = floor<days>(instant);
  const year_month_day date{day};
  const int y = static_cast<int>(date.year());
  if (y < kFirstSystemYear || y > kLastSystemYear) return false;
  const hh_mm_ss<seconds> time{instant - day};
  out = {};
  out.wYear = static_cast<WORD>(y);
  out.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
  out.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
  out.wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());
  out.wHour = static_cast<WORD>(time.hours().count());
  out.wMinute = static_cast<WORD>(time.minutes().count());
  out.wSecond = static_cast<WORD>(time.seconds().count());
  return true;
}

LocalTime FromSystemTime(const SYSTEMTIME& t) {
  const local_days day{year{t.wYear} / month{t.wMonth} / std::chrono::day{t.wDay}};
  return day + hours{t.wHour} + minutes{t.wMinute} + seconds{t.wSecond};
}

}  // namespace

Instant Win32System::currentInstant() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const std::int64_t ticks = static_cast<std::int64_t>(static_cast<std::uint64_t>(now.dwHighDateTime) << 32 |
                                                       now.dwLowDateTime);
  return Instant{seconds{ticks / kFileTimeTicksPerSecond - kSecondsFrom1601To1970}};
}

// GetTickCount64 runs on through sleep, as the wall clock does, and no setting of the clock
// moves it.
std::int64_t Win32System::steadyMilliseconds() { return static_cast<std::int64_t>(GetTickCount64()); }

// GetTimeZoneInformationForYear with SystemTimeToTzSpecificLocalTime rather than
// SystemTimeToTzSpecificLocalTimeEx: the same rules, and Wine implements only these. Outside
// the years Windows converts, the zone's standard offset of today stands in.
LocalTime Win32TimeZone::toLocal(Instant instant) const {
  SYSTEMTIME universal, local;
  TIME_ZONE_INFORMATION zone{};
  if (ToSystemTime(instant, universal)) {
    if (GetTimeZoneInformationForYear(universal.wYear, nullptr, &zone) &&
        SystemTimeToTzSpecificLocalTime(&zone, &universal, &local)) {
      return FromSystemTime(local);
    }
  }
  // Bias is UTC minus local time, in minutes.
  const bool known = GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
  return LocalTime{(instant - minutes{known ? zone.Bias : 0}).time_since_epoch()};
}

}  // namespace morvane
