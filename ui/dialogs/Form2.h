// The countdown alert window: the seconds left in large digits, "Run Now" and "Stop".
#pragma once

#include "platform/Window.h"
#include "ui/button/xpcmdbutton.h"

namespace morvane {

class Program;

class Form2 : public Window {
 public:
  static constexpr const char* kCaption = "Morvane Countdown";

  explicit Form2(Program& program);

  void Form_Load() override;
  void Form_MouseMove(int& button, int& shift, float& x, float& y);
  void xpcmdbutton1_Click();
  void xpcmdbutton2_Click();

  // The countdown writes the seconds left into Label1's caption.
  Control Label1;
  xpcmdbutton xpcmdbutton1;
  xpcmdbutton xpcmdbutton2;

 private:
  Program& program_;
};

}  // namespace morvane
