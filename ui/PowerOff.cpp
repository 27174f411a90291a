// The settings are saved before the action is requested, and a refusal is never silent.
#include "ui/PowerOff.h"

#include "platform/SkipOnError.h"
#include "schedule/ActionText.h"
#include "schedule/ShutdownAction.h"
#include "ui/Program.h"
#include "ui/bar/BarSettings.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/CountdownAlert.h"
#include "ui/dialogs/ShowMessage.h"

namespace morvane {

namespace {

// The bar goes idle, which lets go of the keep-awake request and the wake timer, and the
// alert closes.
void EndCountdown(Program& program) {
  SkipOnError([&] {
    if (MainBar* bar = program.existingMainBar(); bar && bar->countdownRunning()) bar->stopCountdown();
  });
  SkipOnError([&] {
    if (CountdownAlert* alert = program.existingCountdownAlert()) alert->unload();
  });
}

}  // namespace

// For a refusal, the countdown is stopped before the message goes up, so no tick runs behind
// the modal dialog and asks again; the bar stays, ready for another try. A sleep, hibernate or
// lock comes back to a program that goes on, so its countdown ends before the request: a
// computer woken again finds the bar idle and holding nothing.
bool DoAction(Program& program, Action action) {
  SkipOnError([&] { SaveSettings(program); });
  if (!EndsTheProgram(action)) EndCountdown(program);
  const SystemResult result = RequestAction(program.system(), action);
  if (result) return true;
  EndCountdown(program);
  SkipOnError([&] { ShowMessage(program, ActionRefusedMessage(action, result.errorText)); });
  return false;
}

bool ActionOffered(Program& program, Action action) {
  if (program.system().offers(action)) return true;
  SkipOnError([&] { ShowMessage(program, ActionNotOfferedMessage(action)); });
  return false;
}

}  // namespace morvane
