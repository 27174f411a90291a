// The power-off request; the process ends once the system has granted it.
#include "schedule/ShutdownAction.h"

namespace morvane {

SystemResult RequestPowerOff(System& system) {
  SystemResult result = system.powerOff();
  if (result) system.endProcess();
  return result;
}

}  // namespace morvane
