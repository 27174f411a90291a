// The six actions: what each shows and does at the moment, the action menu by pointer and by
// keyboard, the command line's action words, and refusals told before Start.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "schedule/ActionText.h"
#include "tests/unit/ProgramFixture.h"
#include "toolkit/Keys.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/CountdownAlert.h"

namespace morvane {
namespace {

class Actions : public testing::ProgramTest {
 protected:
  // A new run on a new machine; the program goes before the platform it uses.
  void restart() {
    program.reset();
    platform = std::make_unique<HeadlessPlatform>(testing::At(2026, 12, 7, 10, 0, 0));
    program = std::make_unique<Program>(*platform);
  }
  long count(const std::string& call) { return std::count(sys().calls.begin(), sys().calls.end(), call); }
};

// A minute's countdown to each action: its texts, the one request at the moment, whether the
// program ends, and that a countdown to an action that leaves the program running arms no wake
// and lets go of the system before the request.
TEST_F(Actions, EachActionShowsItsNameAndIsDoneByItsOwnCall) {
  const struct {
    const char* commandLine;
    Action action;
    const char *word, *idle, *line, *heading, *runNow, *call;
    bool ends;
  } rows[] = {
      {"00:01", Action::ShutDown, "Shutdown", "Shutdown computer as your wish.", "Shutdown after 15 seconds.",
       "Shutdown After", "Shut down now", "PowerOff", true},
      {"restart 00:01", Action::Restart, "Restart", "Restart computer as your wish.", "Restart after 15 seconds.",
       "Restart After", "Restart now", "Restart", true},
      {"sleep 00:01", Action::Sleep, "Sleep", "Sleep computer as your wish.", "Sleep after 15 seconds.",
       "Sleep After", "Sleep now", "Sleep", false},
      {"hibernate 00:01", Action::Hibernate, "Hibernate", "Hibernate computer as your wish.",
       "Hibernate after 15 seconds.", "Hibernate After", "Hibernate now", "Hibernate", false},
      {"logoff 00:01", Action::LogOff, "Log off", "Log off computer as your wish.", "Log off after 15 seconds.",
       "Log off After", "Log off now", "LogOff", true},
      {"lock 00:01", Action::Lock, "Lock", "Lock computer as your wish.", "Lock after 15 seconds.", "Lock After",
       "Lock now", "Lock", false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.commandLine);
    restart();
    startWith(r.commandLine);
    MainBar& bar = program->mainBar();
    EXPECT_EQ(bar.action(), r.action);
    EXPECT_EQ(bar.actionWord.text(), r.word);
    EXPECT_EQ(bar.actionWord.accessibleName(), std::string("Action: ") + r.word);
    EXPECT_EQ(bar.countdownLine.text(), r.idle);
    EXPECT_TRUE(sys().keptAwake);
    EXPECT_EQ(sys().wake.has_value(), r.ends) << "a wake only for an action that needs the computer awake";

    advance(45'000);
    EXPECT_EQ(bar.countdownLine.text(), r.line);
    CountdownAlert* alert = program->existingCountdownAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(AlertHeading(alert->action()), r.heading);
    EXPECT_EQ(alert->runNowButton.tooltip(), r.runNow);
    EXPECT_EQ(count(r.call), 0);

    sys().calls.clear();
    advance(16'000);
    std::vector<std::string> expected = {r.call, "EndProcess"};
    if (!r.ends) expected = {"CancelWake", "KeepAwake off", r.call};
    EXPECT_EQ(sys().calls, expected)
        << "after the save, the request";
    EXPECT_EQ(sys().ended, r.ends);
    if (r.ends) continue;
    EXPECT_FALSE(sys().keptAwake);
    EXPECT_FALSE(bar.countdownRunning()) << "the bar is idle after the action";
    EXPECT_EQ(bar.startButton.caption(), "Start");
    EXPECT_EQ(program->existingCountdownAlert(), nullptr);
    EXPECT_TRUE(messagesShown().empty());
  }
}

// The settings are saved before the request, with the action on their seventh line.
TEST_F(Actions, TheActionIsSavedWithTheSchedule) {
  startWith("hibernate 01:30");
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n01\r\n30\r\n 0 \r\n 8421504 \r\nhibernate\r\n");
  program->mainBar().startOrStop();
  program->mainBar().selectAction(Action::ShutDown);
  program->mainBar().quit();
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n01\r\n30\r\n 0 \r\n 8421504 \r\n");
}

// A click on the action word opens the six, the chosen one checked, under the word; the pick
// becomes the action. The context-menu key and Shift+F10 open the same menu; a dismissed menu
// changes nothing.
TEST_F(Actions, TheMenuByPointerAndByKeyboard) {
  MainBar& bar = program->mainBar();
  bar.show();
  tk().onNextMenu(1);
  tk().click(bar.actionWord);
  ASSERT_EQ(tk().menusShown().size(), 1u);
  std::vector<std::string> texts;
  for (const MenuItem& item : tk().menusShown()[0].items) texts.push_back(item.text + (item.checked ? "*" : ""));
  EXPECT_EQ(texts, (std::vector<std::string>{"Shutdown*", "Restart", "Sleep", "Hibernate", "Log off", "Lock"}));
  EXPECT_EQ(tk().menusShown()[0].anchor, "actionWord");
  EXPECT_EQ(bar.action(), Action::Restart);
  EXPECT_EQ(bar.actionWord.text(), "Restart");
  EXPECT_EQ(bar.scheduleLine.text(), "Shutdown after / at  ___ : ___  ( HH:mm )") << "hidden under the word";
  EXPECT_EQ(bar.scheduleLine.accessibleName(), "Restart after / at  ___ : ___  ( HH:mm )");

  tk().onNextMenu(5);
  tk().key(Key::ContextMenu);
  EXPECT_EQ(bar.action(), Action::Lock);
  EXPECT_TRUE(tk().menusShown()[1].items[1].checked);
  tk().onNextMenu(2);
  tk().input().keyDown(bar, {Key::F10, {.shift = true}});  // Shift let go before F10, as people type it
  tk().input().keyUp(bar, {Key::F10, {}});
  EXPECT_EQ(bar.action(), Action::Sleep);
  tk().key(Key::ContextMenu);  // dismissed
  EXPECT_EQ(tk().menusShown().size(), 4u);
  EXPECT_EQ(bar.action(), Action::Sleep);
  tk().key(Key::F10);  // F10 alone is not the menu's
  EXPECT_EQ(tk().menusShown().size(), 4u);
}

// While a countdown runs the word is hidden and the keys open nothing, as the mode is locked.
TEST_F(Actions, TheActionIsLockedWhileCounting) {
  startWith("restart 01:30");
  MainBar& bar = program->mainBar();
  EXPECT_FALSE(bar.actionWord.visible());
  tk().onNextMenu(0);
  tk().key(Key::ContextMenu);
  bar.openActionMenu();
  EXPECT_TRUE(tk().menusShown().empty());
  EXPECT_EQ(bar.action(), Action::Restart);
  bar.startOrStop();
  EXPECT_TRUE(bar.actionWord.visible());
  EXPECT_EQ(bar.actionWord.text(), "Restart");
}

// Where the system says it cannot sleep or hibernate, Start says so and stays idle; the
// command line's word alone says so too, then goes on to the splash.
TEST_F(Actions, WhatTheSystemDoesNotOfferIsRefusedUpFront) {
  sys().notOffered = {Action::Sleep};
  startWith("sleep 00:05");
  MainBar& bar = program->mainBar();
  EXPECT_FALSE(bar.countdownRunning());
  EXPECT_EQ(messagesShown(), (std::vector<std::string>{ActionNotOfferedMessage(Action::Sleep)}));
  EXPECT_EQ(count("KeepAwake on"), 0);
  bar.selectAction(Action::Hibernate);
  bar.startOrStop();
  EXPECT_TRUE(bar.countdownRunning());
  bar.startOrStop();

  restart();
  sys().notOffered = {Action::Hibernate};
  startWith("hibernate");
  EXPECT_EQ(messagesShown(), (std::vector<std::string>{ActionNotOfferedMessage(Action::Hibernate)}));
  EXPECT_EQ(count("Hibernate"), 0);
  ASSERT_NE(program->existingAboutWindow(), nullptr);
  EXPECT_FALSE(sys().ended);
}

// An action word alone is done at once, with no bar made: the settings are written back as the
// bar would write them. Those that end the session end the program; the others go on to the
// splash. A refusal is told.
TEST_F(Actions, AnActionWordAloneIsDoneAtOnce) {
  const std::string kOdd = "123\r\n4\r\n5\r\n6\r\n 0 \r\n 5 \r\nlock\r\n";  // as an older or edited file may be
  const struct { const char* commandLine; const char* call; bool ends; const char* refusal; } rows[] = {
      {"Restart", "Restart", true, nullptr},
      {"LOGOFF", "LogOff", true, nullptr},
      {"\"sleep\"", "Sleep", false, nullptr},
      {"hibernate", "Hibernate", false, nullptr},
      {"lock", "Lock", false, "Morvane could not lock the computer: Call not implemented."},
      {"restart", "Restart", true, "Morvane could not restart the computer: Access is denied."},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.commandLine);
    restart();
    sys().files["C:\\windows\\morvane.dll"] = kOdd;
    if (r.refusal) sys().shutdownRefusal = std::string(r.refusal).substr(std::string(r.refusal).find(": ") + 2);
    startWith(r.commandLine);
    EXPECT_EQ(count(r.call), 1);
    EXPECT_EQ(settingsFile(), "12\r\n4\r\n5\r\n6\r\n 0 \r\n 8421504 \r\nlock\r\n");
    EXPECT_EQ(messagesShown(), r.refusal ? std::vector<std::string>{r.refusal} : std::vector<std::string>{});
    EXPECT_EQ(sys().ended, r.ends);
    EXPECT_EQ(program->existingMainBar(), nullptr) << "no bar is made to be saved";
    EXPECT_EQ(program->existingAboutWindow() != nullptr, !r.ends) << "the splash follows what leaves it running";
  }
}

}  // namespace
}  // namespace morvane
