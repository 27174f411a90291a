// Carrying out the schedule's action: what the countdown, "Run Now" and the command line end with.
#pragma once

#include "platform/Action.h"

namespace morvane {

class Program;

// Saves and asks the system for the action. Shut down, restart and log off then end the
// process: true. Sleep, hibernate and lock leave the program running with the bar idle (the
// countdown stopped, its alert closed and the system let go of before the request): true when
// granted. If the system refuses, the countdown is stopped, its alert closed and the refusal
// shown: false, and the caller carries on. On Windows a granted request that ends the session
// does not come back; on the headless backend it returns once the end of the process has been
// recorded.
bool DoAction(Program& program, Action action);

// Whether the system can do the action at all, as it says before any request; when it cannot,
// the user is told so and the answer is false.
bool ActionOffered(Program& program, Action action);

}  // namespace morvane
