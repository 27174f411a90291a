// The operating-system side of a shutdown: the shutdown privilege where the platform has one,
// then the power-off request. Saving the schedule first, and telling the user of a refusal,
// are DoShutdown's part, in the user interface.
#pragma once

#include "platform/system.h"

namespace morvane {

inline constexpr std::uint32_t kWindows9xPlatform = 1;
inline constexpr std::uint32_t kShutdownForcePowerOff = 13;  // EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF

// Privilege where needed, power-off request, end of the process. Comes back only when the
// system refused a step, with the system's words for it.
SystemResult RequestPowerOff(System& system);

}  // namespace morvane
