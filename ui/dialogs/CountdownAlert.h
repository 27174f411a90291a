// The countdown alert window: the seconds left in large digits, "Run Now" and "Stop".
#pragma once

#include "platform/Window.h"
#include "ui/button/SkinButton.h"

namespace morvane {

class Program;

class CountdownAlert : public Window {
 public:
  static constexpr const char* kCaption = "Morvane Countdown";

  explicit CountdownAlert(Program& program);

  void onLoad() override;
  void dragAlert(const PointerEvent& event);
  void runNow();
  void stop();

  // The countdown writes the seconds left into secondsLeft's caption.
  Control secondsLeft;
  SkinButton runNowButton;
  SkinButton stopButton;

 private:
  Program& program_;
};

}  // namespace morvane
