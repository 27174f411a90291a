// The program-wide state that the windows share: the platform, one slot for each window
// (created when first touched, afresh after it was unloaded) and the module-wide values.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/platform.h"

namespace morvane {

class MainBar;
class CountdownAlert;
class MessageDialog;
class AboutWindow;

class Program {
 public:
  explicit Program(Platform& platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  System& system() const { return platform_.system(); }
  Toolkit& toolkit() const { return platform_.toolkit(); }

  // Touching a window creates and loads it when it does not exist.
  MainBar& mainBar();
  CountdownAlert& countdownAlert();
  MessageDialog& messageDialog();
  AboutWindow& aboutWindow();
  // The loaded window, or null; never creates one.
  MainBar* existingMainBar() const;
  CountdownAlert* existingCountdownAlert() const;
  MessageDialog* existingMessageDialog() const;
  AboutWindow* existingAboutWindow() const;


 private:
  struct Slots;
  Platform& platform_;
  std::unique_ptr<Slots> slots_;
};

}  // namespace morvane
