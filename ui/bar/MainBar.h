// The main window: the 255 x 43 bar docked at the top edge of the screen, with its command
// buttons, the schedule line (action word, mode words and digit fields) and the countdown line.
// Its state is the schedule's action and mode and whether a countdown runs; the controls show
// that state.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/TextField.h"
#include "toolkit/Window.h"
#include "schedule/Schedule.h"
#include "settings/SettingsFile.h"
#include "ui/Maker.h"
#include "ui/button/SkinButton.h"

namespace morvane {

class Program;

// The mode words' colours: the selected mode's word is black, the other grey.
constexpr Color ModeWordColour(bool selected) { return selected ? Rgb(0, 0, 0) : Rgb(128, 128, 128); }
constexpr const char* kAfterModeLine = "Shutdown after / at  ___ : ___  ( HH:mm )";
constexpr const char* kAtModeLine = "Shutdown after / at  ___ : ___    ___ - ___ - _____";
constexpr const char* kFieldTooltip = "HH:mm  MM-dd-yyyy";
// The characters a time field (hours or minutes) holds.
constexpr int kTimeFieldLength = 2;

class MainBar : public Window {
 public:
  explicit MainBar(Program& program);
  ~MainBar() override;

  void onLoad() override;
  void closeRequested() override;

  // The state, and the one routine each for showing it.
  ScheduleMode mode() const { return mode_; }
  Action action() const { return action_; }
  bool countdownRunning() const { return counting_; }
  bool quitAvailable() const { return !counting_; }  // Quit would give up a running countdown
  void selectAfterMode();
  void selectAtMode();
  void selectAction(Action action);
  // The menu of the six actions under the action word, the chosen one checked; only while idle.
  void openActionMenu();
  void showMode();
  void showCountdownState();
  // A schedule handed over from outside (the command line): the fields it names take its
  // texts, its action is chosen, the bar shows, the mode is selected and Start is pressed,
  // each step skipped on error.
  void startSchedule(const Schedule& schedule);
  // The command buttons.
  void startOrStop();
  void openHelp();
  void showAbout();
  void openHomePage();
  void quit();

  // The schedule and its countdown.
  bool validateFields(Instant now);
  bool fixMoment(Instant now);  // false when the fields make no moment
  void stopCountdown();
  void countdownTick();
  Instant moment() const { return moment_; }  // fixed at Start
  // What the system tells of its own accord: a resume, a clock or time-zone change.
  void systemEvent(SystemEvent event);

  // Docking, the blinking line and dragging.
  void blinkTick();
  void dockTick();
  void dragBar(const PointerEvent& event);
  int screenWidth() const { return screenWidth_; }  // the primary screen's, read at load

  // The schedule fields and mode as they stand, and the settings they make.
  ScheduleFields fields() const;
  SettingsValues settingsValues() const;
  void applySettings(const SettingsValues& values);
  TextField& field(Field which);
  std::array<SkinButton*, 5> buttons() {
    return {&startButton, &helpButton, &aboutButton, &homePageButton, &quitButton};
  }

  // Controls, created in tab order; earlier ones lie above later ones.
  SkinButton startButton, helpButton, aboutButton, homePageButton, quitButton;
  TextField atYear, atMonth, atDay, atHour, atMinute, afterHours, afterMinutes;
  Label actionWord, afterWord, atWord, countdownLine, scheduleLine;
  Line foldedLine;
  Timer countdownTimer, blinkTimer, dockTimer;

 private:
  void start();
  bool armCountdown(Instant now);
  void holdMoment();
  void armWake();
  void releaseMoment();
  void personReturned();
  void clockChanged();
  void activated(Activation activation);
  void wireFields();
  void showAction();
  KeyResult fieldCharacter(TextField* successor, char32_t character);
  void fieldKeyReleased(TextField& field, TextField& successor, Key key);
  void showMessage(const std::string& text);

  Program& program_;
  ScheduleMode mode_ = ScheduleMode::After;
  Action action_ = Action::ShutDown;
  Instant moment_{};
  std::optional<LocalTime> atReading_;  // the at mode's reading, fixed again when the zone changes
  // The wall clock and the steady count at the last tick, to tell a jumped clock from a late tick.
  Instant lastTickWall_{};
  std::int64_t lastTickSteadyMs_ = 0;
  bool momentMoved_ = false;   // moved under the countdown since the last tick (a zone change)
  bool momentMissed_ = false;  // found passed: the alert counts a missed moment
  int blinkPhase_ = 1;
  int screenWidth_ = 0;
  bool counting_ = false;
  // Activated other than by a click (the task switcher, a screen reader): open until it is
  // deactivated or the pointer has been over it and left.
  bool openForKeyboard_ = false;
  bool pointerCameOver_ = false;
  bool wasInactive_ = false;
};

}  // namespace morvane
