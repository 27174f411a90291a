// The operating-system side of a shutdown: platform id, shutdown privilege and the power-off
// request. Saving the schedule first is DoShutdown's part, in the user interface.
#pragma once

#include <string>

#include "platform/system.h"

namespace morvane {

inline constexpr std::uint32_t kTokenAdjustPrivilegesOrQuery = 0x28;
inline constexpr std::uint32_t kShutdownForcePowerOff = 13;  // EWX_SHUTDOWN | EWX_FORCE | EWX_POWEROFF

std::string GetPlatformId(System& system);
void EnableShutdownPrivilege(System& system);
// Everything DoShutdown does after saving: privilege where needed, power-off request, end.
void RequestPowerOff(System& system);

}  // namespace morvane
