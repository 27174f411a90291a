// The alert window's layout and handlers; the countdown that fills it lives in the main window.
#include "ui/dialogs/CountdownAlert.h"

#include <string>

#include "toolkit/Keys.h"
#include "ui/PowerOff.h"
#include "ui/Program.h"
#include "schedule/ActionText.h"
#include "ui/dialogs/AlertFace.h"
#include "ui/dialogs/PawPrint.h"
#include "ui/bar/MainBar.h"

namespace morvane {

namespace {
const Font kButtonFont{FontRole::Lettering, 9};
}  // namespace

CountdownAlert::CountdownAlert(Program& program)
    : Window(program.toolkit(), kCaption, kAlertFaceSize),
      secondsLeft(*this, "secondsLeft", {160, 100, 38, 37}),
      runNowButton(*this, program.system(), "runNowButton", {80, 182, 80, 24}),
      stopButton(*this, program.system(), "stopButton", {192, 182, 80, 24}),
      program_(program) {
  setBorder(Border::None);
  setStartPosition(StartPosition::CenterScreen);
  setBackColor(kFaceGrey);
  setFont(MakeFont(FontRole::Lettering, 9));
  setFace([](Surface& s) { PaintAlertFace(s, Action::ShutDown); });

  secondsLeft.setText("99");
  secondsLeft.setFont(MakeFont(FontRole::Dialog, 24, true));
  secondsLeft.setForeColor(Rgb(0, 0, 128));  // navy
  secondsLeft.setAlign(Align::Center);

  runNowButton.setCaption("Run Now");
  runNowButton.setFont(std::make_shared<const Font>(kButtonFont));
  stopButton.setCaption("Stop");
  stopButton.setFont(std::make_shared<const Font>(kButtonFont));
  onPointerMoved([this](const PointerEvent& event) { dragAlert(event); });
  runNowButton.onClick([this] { runNow(); });
  stopButton.onClick([this] { stop(); });
  // Window keys, named in the buttons' tooltips: a keyboard alone can stop the shutdown. No
  // key runs it: the alert comes up in front of whatever the user is typing into, and a chord
  // meant for another program must not switch the computer off.
  runNowButton.setTooltip(RunNowTooltip(Action::ShutDown));
  stopButton.setTooltip("Stop the countdown (Esc or Alt+S)");
  addKey(kEscapeCharacter, false, [this] { stop(); });
  addKey(U'S', true, [this] { stop(); });
}

// The alert comes up activated, in front of whatever the user was about to click: a press
// that was on its way then must not switch the computer off. A stray Stop loses nothing.
void CountdownAlert::onLoad() {
  makeTopmost();
  toolkit().input().guardAfterShowing(runNowButton, kRunNowGuardMs);
}

void CountdownAlert::showSecondsLeft(std::int64_t seconds, Action action) {
  if (action != action_) {
    action_ = action;
    setFace([action](Surface& s) { PaintAlertFace(s, action); });
    runNowButton.setTooltip(RunNowTooltip(action));
  }
  secondsLeft.setText(std::to_string(seconds));
  if (!visible()) show();
}

void CountdownAlert::dragAlert(const PointerEvent& event) {
  if (event.held.only(MouseButton::Left)) beginSystemDrag();
}

void CountdownAlert::runNow() { DoAction(program_, action_); }

void CountdownAlert::stop() {
  program_.mainBar().stopCountdown();
  unload();
}

}  // namespace morvane
