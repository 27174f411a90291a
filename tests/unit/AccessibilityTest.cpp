// What a screen reader is told of the windows' controls: roles, names and the checked mode word.
#include <gtest/gtest.h>

#include "tests/unit/ProgramFixture.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/CountdownAlert.h"
#include "ui/dialogs/MessageDialog.h"
#include "ui/dialogs/ShowMessage.h"

namespace morvane {
namespace {

using Role = AccessibleRole;

class Accessibility : public testing::ProgramTest {};

TEST_F(Accessibility, EachControlHasTheRoleAndNameOfWhatItDoes) {
  MainBar& bar = program->mainBar();
  CountdownAlert& alert = program->countdownAlert();
  MessageDialog& dialog = program->messageDialog();
  const struct { Control& control; Role role; const char* name; } rows[] = {
      {bar.startButton, Role::PushButton, "Start"},     {bar.helpButton, Role::PushButton, "Help"},
      {bar.aboutButton, Role::PushButton, "About"},     {bar.homePageButton, Role::PushButton, "Quillon"},
      {bar.quitButton, Role::PushButton, "Quit"},       {bar.afterHours, Role::EditableText, "hours"},
      {bar.afterMinutes, Role::EditableText, "minutes"}, {bar.atHour, Role::EditableText, "hour"},
      {bar.atMinute, Role::EditableText, "minute"},     {bar.atYear, Role::EditableText, "year"},
      {bar.atMonth, Role::EditableText, "month"},       {bar.atDay, Role::EditableText, "day"},
      {bar.afterWord, Role::RadioButton, "after"},      {bar.atWord, Role::RadioButton, "at"},
      {bar.countdownLine, Role::StaticText, "Shutdown computer as your wish."},
      {alert.secondsLeft, Role::StaticText, "99"},      {alert.runNowButton, Role::PushButton, "Run Now"},
      {alert.stopButton, Role::PushButton, "Stop"},     {dialog.closeButton, Role::PushButton, "Close"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.control.accessibleRole(), row.role) << row.control.name();
    EXPECT_EQ(row.control.accessibleName(), row.name) << row.control.name();
  }
  // A caption's access-key marker is not read out; a doubled one is an ampersand.
  for (auto [text, name] : {std::pair{"&Stop", "Stop"}, {"Fish && Chips", "Fish & Chips"}, {"Run&", "Run"}}) {
    bar.countdownLine.setText(text);
    EXPECT_EQ(bar.countdownLine.accessibleName(), name) << text;
  }
}

// Exactly one mode word is checked, the one whose mode the bar is in, however it got there.
TEST_F(Accessibility, TheCheckedModeWordIsTheBarsMode) {
  auto checkedWords = [this] {
    MainBar& bar = program->mainBar();
    return std::string(bar.afterWord.checked() ? "after" : "") + (bar.atWord.checked() ? "at" : "");
  };
  EXPECT_EQ(checkedWords(), "after");
  MainBar& bar = program->mainBar();
  bar.show();
  tk().click(bar.atWord);
  EXPECT_EQ(checkedWords(), "at");
  tk().click(bar.startButton);
  advance(1'000);  // two presses apart, not one double-click
  tk().click(bar.startButton);
  EXPECT_EQ(checkedWords(), "at") << "after Start and Stop";
  tk().click(bar.afterWord);
  EXPECT_EQ(checkedWords(), "after");

  // A schedule saved in the at mode comes back checked so.
  sys().files["C:\\windows\\morvane.dll"] = "22\r\n15\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n";
  bar.unload();
  EXPECT_EQ(checkedWords(), "at");
}

// A reader's press is input like a click: it reaches nothing hidden, disabled or behind a modal
// dialog, and what it cannot reach is told as unavailable.
TEST_F(Accessibility, APressReachesWhatAClickWould) {
  enum class Scene { Idle, Counting, MessageUp };
  MainBar& bar = program->mainBar();
  bar.show();
  const struct { const char* what; Scene scene; Control& control; bool reachable; } rows[] = {
      {"the at word, idle", Scene::Idle, bar.atWord, true},
      {"the at word, hidden while counting", Scene::Counting, bar.atWord, false},
      {"Quit, disabled while counting", Scene::Counting, bar.quitButton, false},
      {"Quit, behind a message", Scene::MessageUp, bar.quitButton, false},
      {"the at word, behind a message", Scene::MessageUp, bar.atWord, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    bar.selectAfterMode();
    if (row.scene == Scene::Counting) bar.startOrStop();
    bool reachable = !row.reachable;
    auto press = [&] {
      reachable = tk().input().reachable(row.control);
      tk().input().invoke(row.control);
    };
    if (row.scene == Scene::MessageUp) {
      tk().onNextModal([&](Window&) { press(); });
      ShowMessage(*program, "Behind this message");
    } else {
      press();
    }
    EXPECT_EQ(reachable, row.reachable);
    EXPECT_EQ(bar.mode(), row.reachable ? ScheduleMode::At : ScheduleMode::After);
    EXPECT_FALSE(sys().ended);
    if (bar.countdownRunning()) bar.startOrStop();
  }
}

}  // namespace
}  // namespace morvane
