// The operating-system side of the schedule's action: the request, then, for the actions that
// end the session, the end of the process. Saving the schedule first, and telling the user of a
// refusal, are DoAction's part, in the user interface.
#pragma once

#include "platform/system.h"

namespace morvane {

// Comes back when the system refused, with the system's words for it, or when the action
// leaves the program running (sleep, hibernate, lock).
SystemResult RequestAction(System& system, Action action);

}  // namespace morvane
