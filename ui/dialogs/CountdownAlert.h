// The countdown alert window: the seconds left in large digits, "Run Now" and "Stop".
#pragma once

#include <cstdint>

#include "toolkit/Label.h"
#include "toolkit/Window.h"
#include "ui/button/SkinButton.h"

namespace morvane {

class Program;

class CountdownAlert : public Window {
 public:
  static constexpr const char* kCaption = "Morvane Countdown";
  // Run Now takes no press that begins sooner than this after the alert comes up.
  static constexpr int kRunNowGuardMs = 1000;

  explicit CountdownAlert(Program& program);

  void onLoad() override;
  // The seconds left in large digits, under the action's heading; the window comes up if it
  // is not up yet.
  void showSecondsLeft(std::int64_t seconds, Action action = Action::ShutDown);
  Action action() const { return action_; }
  void dragAlert(const PointerEvent& event);
  void runNow();
  void stop();

  Label secondsLeft;
  SkinButton runNowButton;
  SkinButton stopButton;

 private:
  Program& program_;
  Action action_ = Action::ShutDown;
};

}  // namespace morvane
