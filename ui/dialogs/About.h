// The about window, which is also the one-second splash that opens the main window.
#pragma once

#include "platform/Window.h"
#include "ui/Maker.h"

namespace morvane {

class Program;

// The maker's home page; the about face prints it.

class About : public Window {
 public:
  static constexpr const char* kCaption = "About Morvane";

  explicit About(Program& program);

  void Form_Load() override {}
  void Timer1_Timer();
  void Form_Click();

  // Runs from creation; the main window's About button disables it.
  Timer Timer1;

 private:
  Program& program_;
};

}  // namespace morvane
