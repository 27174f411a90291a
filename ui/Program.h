// The program-wide state that the windows share: the platform, one slot for each window
// (created when first touched, afresh after it was unloaded) and the module-wide values.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/platform.h"

namespace morvane {

class Form1;
class Form2;
class MessageBox;
class About;

class Program {
 public:
  explicit Program(Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  System& system() const { return platform_.system(); }
  Toolkit& toolkit() const { return platform_.toolkit(); }

  // Touching a window creates and loads it when it does not exist.
  Form1& form1();
  Form2& form2();
  MessageBox& messageBox();
  About& about();
  // The loaded window, or null; never creates one.
  Form1* existingForm1() const;
  Form2* existingForm2() const;
  MessageBox* existingMessageBox() const;
  About* existingAbout() const;

  // True while the main window is the active window, as its last activation said.
  bool WindowActive = false;
  // Reply code of the last message dialog closed by a reply button.
  std::int32_t MessageReply = 0;

 private:
  struct Slots;
  Platform& platform_;
  std::unique_ptr<Slots> slots_;
};

}  // namespace morvane
