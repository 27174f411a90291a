// The window keys of the bar and the alert: Alt with a command's first letter (either case),
// and Escape on the alert, whichever control has the focus; a plain letter is only typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

#include "toolkit/Keys.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/CountdownAlert.h"

namespace morvane {
namespace {

enum class Before { IdleBar, CountingBar, Alert };
enum class After { Counting, Idle, HelpOpened, AboutShown, Ended, Unchanged };

struct KeyCase {
  const char* name;
  Before before;
  char32_t character;
  Modifiers modifiers;
  After after;
};
void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class WindowKeys : public testing::ProgramTest, public ::testing::WithParamInterface<KeyCase> {
 protected:
  // The bar shown and active with the focus in its hours field; a one-minute countdown
  // started from it; or that countdown run until the alert is up.
  void SetUp() override {
    MainBar& bar = program->mainBar();
    bar.show();
    bar.afterHours.setText("0");
    bar.afterMinutes.setText("1");
    tk().click(bar.afterHours);
    if (GetParam().before == Before::IdleBar) return;
    bar.startOrStop();
    if (GetParam().before == Before::CountingBar) return;
    advance(45'000);
    ASSERT_NE(program->existingCountdownAlert(), nullptr);
    ASSERT_EQ(tk().activeWindow(), program->existingCountdownAlert());
  }
  long calls(const std::string& prefix) {
    auto starts = [&](const std::string& call) { return call.rfind(prefix, 0) == 0; };
    return std::count_if(sys().calls.begin(), sys().calls.end(), starts);
  }
};

TEST_P(WindowKeys, RunTheirCommand) {
  const KeyCase& c = GetParam();
  MainBar& bar = program->mainBar();
  bool wasCounting = bar.countdownRunning();
  tk().key(KeyOfCharacter(c.character), c.character, c.modifiers);

  bool alertUp = program->existingCountdownAlert() != nullptr;
  AboutWindow* about = program->existingAboutWindow();
  EXPECT_EQ(sys().ended, c.after == After::Ended);
  EXPECT_EQ(calls("PowerOff"), 0) << "no key switches the computer off";
  EXPECT_EQ(calls("ShellExecute"), c.after == After::HelpOpened ? 1 : 0);
  EXPECT_EQ(about && about->visible(), c.after == After::AboutShown);
  if (c.after == After::Ended) return;
  bool counting = c.after == After::Unchanged ? wasCounting : c.after == After::Counting;
  EXPECT_EQ(bar.countdownRunning(), counting);
  EXPECT_EQ(bar.startButton.caption(), counting ? "Stop" : "Start");
  EXPECT_EQ(alertUp, c.before == Before::Alert && c.after == After::Unchanged);
}

INSTANTIATE_TEST_SUITE_P(
    BarAndAlert, WindowKeys,
    ::testing::Values(KeyCase{"BarAltSStarts", Before::IdleBar, U's', {.alt = true}, After::Counting},
                      KeyCase{"BarAltShiftSStarts", Before::IdleBar, U'S', {.shift = true, .alt = true}, After::Counting},
                      KeyCase{"BarAltSStops", Before::CountingBar, U's', {.alt = true}, After::Idle},
                      KeyCase{"BarAltHOpensHelp", Before::IdleBar, U'h', {.alt = true}, After::HelpOpened},
                      KeyCase{"BarAltAShowsAbout", Before::IdleBar, U'a', {.alt = true}, After::AboutShown},
                      KeyCase{"BarAltQQuits", Before::IdleBar, U'q', {.alt = true}, After::Ended},
                      KeyCase{"BarAltQWhileCounting", Before::CountingBar, U'q', {.alt = true}, After::Unchanged},
                      KeyCase{"BarPlainS", Before::IdleBar, U's', {}, After::Unchanged},
                      KeyCase{"BarAltGrS", Before::IdleBar, U's', {.ctrl = true, .alt = true}, After::Unchanged},
                      KeyCase{"AlertEscapeStops", Before::Alert, kEscapeCharacter, {}, After::Idle},
                      KeyCase{"AlertAltSStops", Before::Alert, U's', {.alt = true}, After::Idle},
                      KeyCase{"AlertAltRDoesNothing", Before::Alert, U'r', {.alt = true}, After::Unchanged},
                      KeyCase{"AlertAltH", Before::Alert, U'h', {.alt = true}, After::Unchanged}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
