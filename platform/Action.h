// What the computer is asked to do at the moment: the schedule's action, and the system's
// request that carries it out.
#pragma once

#include <cstdint>

namespace morvane {

// Shut down (power off) is the default; the order is the action menu's.
enum class Action : std::uint8_t { ShutDown, Restart, Sleep, Hibernate, LogOff, Lock };

inline constexpr Action kActions[] = {Action::ShutDown, Action::Restart,   Action::Sleep,
                                      Action::Hibernate, Action::LogOff, Action::Lock};

// Shut down, restart and log off end this session, and the program with it; sleep, hibernate
// and lock leave it running, with the bar idle.
constexpr bool EndsTheProgram(Action action) {
  return action == Action::ShutDown || action == Action::Restart || action == Action::LogOff;
}

}  // namespace morvane
