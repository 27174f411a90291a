// What one tick of the countdown decides: act now, or the line to show and the alert number.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Action.h"
#include "platform/TimeZone.h"
#include "platform/system.h"

namespace morvane {

inline constexpr const char* kCountdownNotStartedMessage = "Morvane could not start the countdown. Please try again.";
inline constexpr std::int64_t kAlertThresholdSeconds = 15;
// A tick comes every second, so a moment passed by more than this was slept through or
// jumped over by the clock.
inline constexpr std::chrono::seconds kMissedMomentTolerance{2};
// A computer asleep is woken this long before the moment, in time for the whole alert.
inline constexpr std::chrono::seconds kWakeBeforeMoment{20};
// Between two ticks the wall clock advances as far as the steady count, give or take the
// whole second it is read in; a tick that came late (a busy or sleeping system) moves both.
// A wall clock that moved further, or less far, than this beside it was set or jumped.
inline constexpr std::chrono::milliseconds kClockJumpTolerance{2000};

bool ClockJumped(std::chrono::seconds wallAdvance, std::chrono::milliseconds steadyAdvance);

struct CountdownTick {
  bool shutdown = false;
  std::string line;                         // the countdown line, when not shutting down
  std::optional<std::int64_t> alertNumber;  // seconds left, for the alert window
  // A moment found long past, or brought within the alert's count by a jumping clock, is not
  // acted on at once: it moves to the end of a full alert count from now, and the countdown
  // goes on towards it.
  std::optional<Instant> movedMoment;
  bool momentMissed = false;  // it had passed: slept through or jumped over
};

// The line begins with the action's name: "Shutdown after 45 seconds.", "Sleep after 45 seconds.".
// `clockJumped`: the wall clock jumped, or the moment moved, since the last tick; a countdown
// that reaches its end in normal time keeps its ticks.
CountdownTick DecideCountdownTick(Instant moment, Instant now, Action action = Action::ShutDown,
                                  bool clockJumped = false);

// What a person who woke the computer after the moment is told.
std::string SleptThroughMessage(LocalTime now, const LocaleFormats& formats, Action action);

}  // namespace morvane
