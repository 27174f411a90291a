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

  // From creation the window is the splash, until it is shown as the about box.
  bool isSplash() const { return splash_; }

 private:
  Program& program_;
  bool splash_ = true;
  Timer splashTimer_;
};

}  // namespace morvane
