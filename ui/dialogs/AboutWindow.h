// The about window, which is also the one-second splash that opens the main window.
#pragma once

#include "platform/Window.h"
#include "ui/Maker.h"

namespace morvane {

class Program;

// The maker's home page; the about face prints it.

class AboutWindow : public Window {
 public:
  static constexpr const char* kCaption = "About Morvane";

  explicit AboutWindow(Program& program);

  void onLoad() override {}
  void closeSplash();
  void clicked() override;

  // Runs from creation; the main window's AboutWindow button disables it.
  Timer splashTimer;

 private:
  Program& program_;
};

}  // namespace morvane
