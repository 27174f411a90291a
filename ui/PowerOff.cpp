// The settings are saved before the power-off is requested.
#include "ui/PowerOff.h"

#include "platform/SkipOnError.h"
#include "schedule/ShutdownAction.h"
#include "ui/Program.h"
#include "ui/bar/BarSettings.h"

namespace morvane {

void DoShutdown(Program& program) {
  SkipOnError([&] { SaveSettings(program); });
  RequestPowerOff(program.system());
}

}  // namespace morvane
