// The operating-system side of a shutdown: the power-off request, then the end of the process.
// Saving the schedule first, and telling the user of a refusal, are DoShutdown's part, in the
// user interface.
#pragma once

#include "platform/system.h"

namespace morvane {

// Comes back only when the system refused, with the system's words for it.
SystemResult RequestPowerOff(System& system);

}  // namespace morvane
