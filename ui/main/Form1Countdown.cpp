// Start, Stop and the one-second countdown of the bar.
#include "schedule/Countdown.h"
#include "schedule/NoTime.h"
#include "schedule/Yanzheng.h"
#include "ui/Module1.h"
#include "ui/Program.h"
#include "ui/dialogs/Form2.h"
#include "ui/main/Form1.h"
#include "platform/SkipOnError.h"

namespace morvane {

// The failure of the first check that fails is shown in the message dialog, with the
// focus moved before the message or, with the field's text selected, after it.
bool Form1::Yanzheng() {
  auto failure = morvane::Yanzheng(fields(), program_.system().now(), program_.system().localeFormats());
  if (!failure) return true;
  Control& target = field(failure->field);
  if (failure->focus == ValidationFailure::Focus::BeforeMessage) {
    target.setFocus();
    if (!failure->silent) showMessage(failure->message);
  } else {
    if (!failure->silent) showMessage(failure->message);
    target.setFocus();
    target.selectAll();
  }
  return false;
}

void Form1::NoTime() { TargetTime = morvane::NoTime(fields(), program_.system().now()); }

void Form1::start() {
  if (!Yanzheng()) return;
  SkipOnError([&] { SaveSettings(program_); });
  SkipOnError([&] { xpcmdbutton1[0].SetCaption("Stop"); });
  SkipOnError([&] { xpcmdbutton1[4].SetEnabled(false); });
  SkipOnError([&] {
    Label1.setText(kCountdownIdleText);
    Label1.setVisible(true);
  });
  SkipOnError([&] {
    for (Control* c : {&Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Label2, &Label3, &Label4}) {
      c->setVisible(false);
    }
  });
  SkipOnError([&] { NoTime(); });
  SkipOnError([&] { Timer1.setEnabled(true); });
}

void Form1::IStop() {
  Timer1.setEnabled(false);
  xpcmdbutton1[4].SetEnabled(true);
  xpcmdbutton1[0].SetCaption("Start");
  Label2.setVisible(true);
  Label3.setVisible(true);
  Label4.setVisible(true);
  bool afterMode = Label3.foreColor() == kModeSelected;
  for (Control* f : {&Text3, &Text4, &Text5, &Text6, &Text7}) f->setVisible(!afterMode);
  Text8.setVisible(afterMode);
  Text9.setVisible(afterMode);
  Label1.setVisible(false);
}

// Each step of the tick is skipped on error and the next one runs.
void Form1::Timer1_Timer() {
  CountdownTick tick;
  SkipOnError([&] { tick = Timer1Decision(TargetTime, program_.system().now()); });
  if (tick.shutdown) {
    DoShutdown(program_);
    return;
  }
  if (tick.alertNumber) {
    SkipOnError([&] {
      Form2& alert = program_.form2();
      alert.Label1.setText(std::to_string(*tick.alertNumber));
      if (!alert.visible()) alert.show();
    });
  }
  SkipOnError([&] { Label1.setText(tick.line); });
}

}  // namespace morvane
