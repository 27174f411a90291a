// The about window's handlers: the splash opens the main window, a click closes it.
#include "ui/dialogs/About.h"

#include "ui/Program.h"
#include "ui/dialogs/AboutFace.h"
#include "ui/main/Form1.h"

namespace morvane {

About::About(Program& program)
    : Window(program.toolkit(), kCaption, {400, 300}), Timer1(*this, 1000, true), program_(program) {
  setBorder(Border::None);
  setStartPosition(StartPosition::CenterScreen);
  setBackColor(Rgb(255, 255, 255));  // the system window colour
  face = PaintAboutFace;
  Timer1.Tick = [this] { Timer1_Timer(); };
  Click = [this] { Form_Click(); };
}

void About::Timer1_Timer() {
  program_.form1().show();
  unload();
}

// A click on the splash asks for the program, so it opens the main window at once rather than
// closing the only window there is; a click on the about box only closes it.
void About::Form_Click() {
  if (Timer1.enabled()) {
    Timer1_Timer();
  } else {
    unload();
  }
}

}  // namespace morvane
