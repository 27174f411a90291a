// What one tick of the countdown decides: shut down now, or the line to show and the alert number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/system.h"

namespace morvane {

inline constexpr const char* kCountdownIdleText = "Shutdown computer as your wish.";
inline constexpr std::int64_t kAlertThresholdSeconds = 15;

struct CountdownTick {
  bool shutdown = false;
  std::string line;                         // the countdown line, when not shutting down
  std::optional<std::int64_t> alertNumber;  // seconds left, for the alert window
};

CountdownTick DecideCountdownTick(LocalTime target, LocalTime now);

}  // namespace morvane
