// Keeping the moment through sleep: the system held awake while a countdown runs, and a wake
// timer that brings it back from a sleep the user chose (a closed lid) in time for the alert.
#include <windows.h>

#include "backends/win32/Win32System.h"

namespace morvane {

namespace {

// FILETIME counts 100-nanosecond steps from 1601; the instants count seconds from 1970.
constexpr LONGLONG kSecondsFrom1601To1970 = 11644473600LL;
constexpr LONGLONG kFileTimeStepsPerSecond = 10000000LL;

}  // namespace

// The display may still go dark: only the system is required.
void Win32System::keepAwake(bool on) {
  SetThreadExecutionState(on ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
}

// A positive due time is absolute UTC. Where the system cannot wake (no support, or wake
// timers off in the power plan) the timer still runs while awake, and the countdown finds a
// moment missed in sleep on its own.
bool Win32System::wakeAt(Instant when) {
  if (!wakeTimer_) wakeTimer_ = CreateWaitableTimerW(nullptr, TRUE, nullptr);
  if (!wakeTimer_) return false;
  LARGE_INTEGER due;
  due.QuadPart = (when.time_since_epoch().count() + kSecondsFrom1601To1970) * kFileTimeStepsPerSecond;
  return SetWaitableTimer(wakeTimer_, &due, 0, nullptr, nullptr, TRUE) != 0;
}

void Win32System::cancelWake() {
  if (wakeTimer_) CancelWaitableTimer(wakeTimer_);
}

}  // namespace morvane
