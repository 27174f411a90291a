// The program's message dialog: a green title strip, the message, and OK or Yes and No.
#pragma once

#include <cstdint>

#include "platform/Window.h"
#include "ui/button/xpcmdbutton.h"

namespace morvane {

class Program;

class MessageBox : public Window {
 public:
  static constexpr const char* kCaption = "Morvane Message";

  explicit MessageBox(Program& program);

  void Form_Load() override;
  // Closing the dialog from outside (Alt+F4, the system ending it) answers as "X" does, so
  // the caller never sees a reply left over from an earlier dialog.
  void hostCloseRequested() override;

  void cmdYes_Click();
  void cmdOK_Click();
  void cmdNo_Click();
  void button1_Click();
  void Form_KeyPress(int& keyAscii);
  void Image2_MouseMove(int& button, int& shift, float& x, float& y);

  // True once a reply was stored by this dialog.
  bool replied() const { return replied_; }

  // Constructed in tab order; button1 before Image2 so the "X" lies over the strip.
  Control Message;
  xpcmdbutton cmdYes;
  xpcmdbutton cmdOK;
  xpcmdbutton cmdNo;
  xpcmdbutton button1;
  Control Image2;

 private:
  void Reply(std::int32_t code);

  Program& program_;
  bool replied_ = false;
};

}  // namespace morvane
