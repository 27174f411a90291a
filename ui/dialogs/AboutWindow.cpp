// The about window's handlers: the splash opens the main window, a click closes it.
#include "ui/dialogs/AboutWindow.h"

#include "ui/Program.h"
#include "ui/dialogs/AboutFace.h"
#include "ui/bar/MainBar.h"

namespace morvane {

AboutWindow::AboutWindow(Program& program)
    : Window(program.toolkit(), kCaption, kAboutFaceSize), program_(program), splashTimer_(*this, 1000, true) {
  setBorder(Border::None);
  setStartPosition(StartPosition::CenterScreen);
  setBackColor(Rgb(255, 255, 255));  // the system window colour
  setFace(PaintAboutFace);
  splashTimer_.onTick([this] { closeSplash(); });
}

void AboutWindow::showAsAbout() {
  show();
  splash_ = false;
  splashTimer_.setEnabled(false);
}

void AboutWindow::closeSplash() {
  program_.mainBar().show();
  unload();
}

// Any click on the window, face or not: a click on the splash asks for the program, so it opens the main window at once rather than
// closing the only window there is; a click on the about box only closes it.
void AboutWindow::clicked() {
  if (splash_) {
    closeSplash();
  } else {
    unload();
  }
}

}  // namespace morvane
