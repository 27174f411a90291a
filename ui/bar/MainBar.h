// The main window: the 255 x 43 bar docked at the top edge of the screen, with its command
// buttons, the schedule line (mode words and digit fields) and the countdown line.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/system.h"
#include "platform/Window.h"
#include "schedule/ScheduleFields.h"
#include "settings/SettingsFile.h"
#include "ui/Maker.h"
#include "ui/button/SkinButton.h"

namespace morvane {

class Program;

constexpr Color kModeSelected = 0;
constexpr Color kModeUnselected = 0x808080;
constexpr const char* kAfterModeLine = "Shutdown after / at  ___ : ___  ( HH:mm )";
constexpr const char* kAtModeLine = "Shutdown after / at  ___ : ___    ___ - ___ - _____";
constexpr const char* kFieldTooltip = "HH:mm  MM-dd-yyyy";

class MainBar : public Window {
 public:
  explicit MainBar(Program& program);
  ~MainBar() override;

  void onLoad() override;
  void hostCloseRequested() override;

  // Mode switching.
  void selectAfterMode();
  void selectAtMode();
  // The command buttons.
  void startOrStop();
  void openHelp();
  void showAbout();
  void openHomePage();
  void quit();

  // The schedule and its countdown.
  bool validateFields();
  void fixMoment();
  void stopCountdown();
  void countdownTick();
  Instant moment{};

  // Docking, the blinking line and dragging.
  void blinkTick();
  void dockTick();
  void activationChanged(std::uint32_t state);
  void dragBar(int& button, int& shift, float& x, float& y);
  int blinkPhase = 1;
  int screenWidth = 0;

  // The schedule fields and mode as they stand, and the settings they make.
  ScheduleFields fields() const;
  SettingsValues settingsValues() const;
  void applySettings(const SettingsValues& values);
  void layOutForMode(bool afterMode);
  bool countdownRunning() const { return countdownLine.visible(); }
  Control& field(Field which);
  std::array<SkinButton*, 5> buttons() {
    return {&startButton, &helpButton, &aboutButton, &homePageButton, &quitButton};
  }

  // Controls, created in tab order; earlier ones lie above later ones.
  SkinButton startButton, helpButton, aboutButton, homePageButton, quitButton;
  Control atYear, atMonth, atDay, atHour, atMinute, afterHours, afterMinutes;
  Control afterWord, atWord, countdownLine, scheduleLine;
  Control foldedLine;
  Timer countdownTimer, blinkTimer, dockTimer;

 private:
  void start();
  void wireFields();
  void fieldKeyPress(Control& field, Control* successor, int& keyAscii);
  void fieldKeyUp(Control& field, Control& successor, int keyCode);
  void showMessage(const std::string& text);

  Program& program_;
};

}  // namespace morvane
