// The settings are saved before the power-off is requested, and a refusal is never silent.
#include "ui/PowerOff.h"

#include "platform/SkipOnError.h"
#include "schedule/ShutdownAction.h"
#include "ui/Program.h"
#include "ui/bar/BarSettings.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/CountdownAlert.h"
#include "ui/dialogs/ShowMessage.h"

namespace morvane {

std::string PowerOffRefusedMessage(const std::string& systemText) {
  if (systemText.empty()) return "Morvane could not switch the computer off.";
  return "Morvane could not switch the computer off: " + systemText;
}

// The countdown is stopped before the message goes up, so no tick runs behind the modal
// dialog and asks again; the bar stays, ready for another try.
bool DoShutdown(Program& program) {
  SkipOnError([&] { SaveSettings(program); });
  const SystemResult result = RequestPowerOff(program.system());
  if (result) return true;
  SkipOnError([&] {
    if (MainBar* bar = program.existingMainBar(); bar && bar->countdownRunning()) bar->stopCountdown();
  });
  SkipOnError([&] {
    if (CountdownAlert* alert = program.existingCountdownAlert()) alert->unload();
  });
  SkipOnError([&] { ShowMessage(program, PowerOffRefusedMessage(result.errorText)); });
  return false;
}

}  // namespace morvane
