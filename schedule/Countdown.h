// What one tick of the countdown decides: act now, or the line to show and the alert number.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Action.h"
#include "platform/TimeZone.h"

namespace morvane {

inline constexpr std::int64_t kAlertThresholdSeconds = 15;
// A tick comes every second, so a moment passed by more than this was slept through or
// jumped over by the clock.
inline constexpr std::chrono::seconds kMissedMomentTolerance{2};
// A computer asleep is woken this long before the moment, in time for the whole alert.
inline constexpr std::chrono::seconds kWakeBeforeMoment{20};

struct CountdownTick {
  bool shutdown = false;
  std::string line;                         // the countdown line, when not shutting down
  std::optional<std::int64_t> alertNumber;  // seconds left, for the alert window
  // A moment found long past is not acted on at once: it moves to the end of a full alert
  // count from now, and the countdown goes on towards it.
  std::optional<Instant> movedMoment;
};

// The line begins with the action's name: "Shutdown after 45 seconds.", "Sleep after 45 seconds.".
CountdownTick DecideCountdownTick(Instant moment, Instant now, Action action = Action::ShutDown);

}  // namespace morvane
