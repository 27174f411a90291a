// The power-off request, step by step; the first step the system refuses ends it.
#include "schedule/ShutdownAction.h"

namespace morvane {

// The Windows 95 family (platform id 1) has no privileges; every other id asks for one.
// A refused privilege would only make the request itself fail, so it ends the attempt.
SystemResult RequestPowerOff(System& system) {
  if (system.platformId() != kWindows9xPlatform) {
    SystemResult privilege = system.enableShutdownPrivilege();
    if (!privilege) return privilege;
  }
  SystemResult request = system.requestShutdown(kShutdownForcePowerOff);
  if (!request) return request;
  system.endProcess();
  return request;
}

}  // namespace morvane
