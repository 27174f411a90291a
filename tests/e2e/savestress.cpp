// Saves the settings file over and over, alternating two schedules, until it is killed: the
// end-to-end test kills it at random moments and reads what is left. Each save is framed by the
// lines "saving N" and "saved N" (N counts from 0, even N the first schedule), flushed before and
// after it, so that the last line left behind tells whether the kill landed inside save N.
#include <cstdio>

#include "backends/win32/Win32System.h"
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
  for (unsigned long i = 0;; ++i) {
    std::printf("saving %lu\n", i);
    std::fflush(stdout);
    morvane::SaveSettingsFile(system, i % 2 ? second : first);
    std::printf("saved %lu\n", i);
    std::fflush(stdout);
  }
}
