// The alert window's layout and handlers; the countdown that fills it lives in the main window.
#include "ui/dialogs/Form2.h"

#include "ui/Module1.h"
#include "ui/Program.h"
#include "ui/dialogs/AlertFace.h"
#include "ui/dialogs/ButtonDesign.h"
#include "ui/dialogs/PawPrint.h"
#include "ui/main/Form1.h"

namespace morvane {

namespace {
const Font kButtonFont{"Arial", 9};
}  // namespace

Form2::Form2(Program& program)
    : Window(program.toolkit(), kCaption, {360, 240}),
      Label1(*this, Control::Kind::Label, "Label1", {160, 100, 38, 37}),
      xpcmdbutton1(*this, program.system(), "xpcmdbutton1", {80, 182, 80, 24},
                   ButtonDesign("Run Now", kButtonFont).get()),
      xpcmdbutton2(*this, program.system(), "xpcmdbutton2", {192, 182, 80, 24},
                   ButtonDesign("Stop", kButtonFont).get()),
      program_(program) {
  setBorder(Border::None);
  setStartPosition(StartPosition::CenterScreen);
  setBackColor(kFaceGrey);
  setFont(MakeFont("Arial", 9));
  face = PaintAlertFace;

  Label1.setText("99");
  Label1.setFont(MakeFont("MS Sans Serif", 24, true));
  Label1.setForeColor(0x800000);
  Label1.setAlign(Align::Center);

  MouseMove = [this](int& button, int& shift, float& x, float& y) { Form_MouseMove(button, shift, x, y); };
  xpcmdbutton1.ButtonClick = [this] { xpcmdbutton1_Click(); };
  xpcmdbutton2.ButtonClick = [this] { xpcmdbutton2_Click(); };
}

void Form2::Form_Load() { makeTopmost(); }

void Form2::Form_MouseMove(int& button, int&, float&, float&) {
  if (button == kLeftButton) beginSystemDrag();
}

void Form2::xpcmdbutton1_Click() { DoShutdown(program_); }

void Form2::xpcmdbutton2_Click() {
  program_.form1().IStop();
  unload();
}

}  // namespace morvane
