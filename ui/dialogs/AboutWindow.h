// The about window, which is also the one-second splash that opens the main window.
#pragma once

#include "toolkit/Window.h"
#include "ui/Maker.h"

namespace morvane {

class Program;

class AboutWindow : public Window {
 public:
  static constexpr const char* kCaption = "About Morvane";

  explicit AboutWindow(Program& program);

  void onLoad() override {}
  // Shown from the bar, it is the about box and no splash: it stays until clicked.
  void showAsAbout();
  void closeSplash();
  void clicked() override;

  // Runs from creation: the window is the splash until shown as the about box.
  Timer splashTimer;

 private:
  Program& program_;
};

}  // namespace morvane
