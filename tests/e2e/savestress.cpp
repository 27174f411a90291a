// Saves the settings file over and over, alternating two schedules, until it is killed:
// the end-to-end test kills it at random moments and reads what is left.
#include <cstdio>

#include "platform/win32/Win32System.h"
#include "settings/SettingsFile.h"

int main() {
  morvane::Win32System system;
  morvane::SettingsValues first;  // 21, 0, 1, 0, after mode
  morvane::SettingsValues second;
  second.atHour = "23";
  second.atMinute = "59";
  second.afterHours = "99";
  second.afterMinutes = "59";
  second.afterWordColor = 8421504;
  second.atWordColor = 0;
  std::puts("saving");
  std::fflush(stdout);
  for (unsigned long i = 0;; ++i) morvane::SaveSettingsFile(system, i % 2 ? second : first);
}
