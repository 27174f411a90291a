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
#include "ui/button/xpcmdbutton.h"

namespace morvane {

class Program;

constexpr Color kModeSelected = 0;
constexpr Color kModeUnselected = 0x808080;
constexpr const char* kAfterModeLine = "Shutdown after / at  ___ : ___  ( HH:mm )";
constexpr const char* kAtModeLine = "Shutdown after / at  ___ : ___    ___ - ___ - _____";
constexpr const char* kFieldTooltip = "HH:mm  MM-dd-yyyy";

class Form1 : public Window {
 public:
  explicit Form1(Program& program);
  ~Form1() override;

  void Form_Load() override;
  void hostCloseRequested() override;

  // Mode switching.
  void Label3_Click();
  void Label4_Click();
  // The command buttons' shared handler: 0 Start/Stop, 1 Help, 2 About, 3 home page, 4 Quit.
  void xpcmdbutton1_Click(int index);

  // The schedule and its countdown.
  bool Yanzheng();
  void NoTime();
  void IStop();
  void Timer1_Timer();
  LocalTime TargetTime{};

  // Docking, the blinking line and dragging.
  void Timer2_Timer();
  void Timer3_Timer();
  void ActivationWndProc(std::uint32_t state);
  void Form_MouseMove(int& button, int& shift, float& x, float& y);
  int BlinkState = 1;
  int ScreenWidthTwips = 0;

  // The schedule fields and mode as they stand, and the settings they make.
  ScheduleFields fields() const;
  SettingsValues settingsValues() const;
  void applySettings(const SettingsValues& values);
  void layOutForMode(bool afterMode);
  bool countdownRunning() const { return Label1.visible(); }
  Control& field(Field which);

  // Controls, created in tab order; earlier ones lie above later ones.
  std::array<xpcmdbutton, 5> xpcmdbutton1;
  Control Text3, Text4, Text5, Text6, Text7, Text8, Text9;
  Control Label3, Label4, Label1, Label2;
  Control line1;
  Timer Timer1, Timer2, Timer3;

 private:
  void start();
  void wireFields();
  void fieldKeyPress(Control& field, Control* successor, int& keyAscii);
  void fieldKeyUp(Control& field, Control& successor, int keyCode);
  void showMessage(const std::string& text);

  Program& program_;
};

}  // namespace morvane
