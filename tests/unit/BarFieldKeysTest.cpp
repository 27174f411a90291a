// The bar's fields on the headless backend: typing moves along each chain of fields, Enter,
// Backspace, Tab and paste, and the focus coming back to its field.
#include <gtest/gtest.h>

#include "tests/unit/BarFixture.h"
#include "toolkit/Keys.h"

namespace morvane {
namespace {

class BarKeys : public BarFixture {
 protected:
  void SetUp() override {
    MainBar& f = shown();
    tk().click(f.atWord);
  }
  void focusEmptied(Control& field) {
    tk().click(field);
    field.setText("");
  }
};

TEST_F(BarKeys, TypingAYearMovesToTheMonthWithItsTextSelected) {
  MainBar& f = bar();
  focusEmptied(f.atYear);
  tk().type("2024");
  EXPECT_EQ(f.atYear.text(), "2024");
  EXPECT_TRUE(f.atMonth.hasFocus());
  EXPECT_EQ(f.atMonth.selStart(), 0);
  EXPECT_EQ(f.atMonth.selLength(), 2);
  tk().type("12");
  EXPECT_EQ(f.atMonth.text(), "12");
  EXPECT_TRUE(f.atDay.hasFocus());
  EXPECT_EQ(f.atDay.selLength(), static_cast<int>(f.atDay.text().size()));
}

TEST_F(BarKeys, AFullFieldMovesOnEvenWhenTheDigitDoesNotGoIn) {
  MainBar& f = bar();
  tk().click(f.atHour);
  f.atHour.setText("21");
  f.atHour.setSelection(2, 0);
  tk().type("5");
  EXPECT_EQ(f.atHour.text(), "21");
  EXPECT_TRUE(f.atMinute.hasFocus());
}

TEST_F(BarKeys, BackspaceMovesOnOnlyWhenItLeavesTheFieldFull) {
  MainBar& f = bar();
  tk().click(f.atMonth);
  f.atMonth.setText("12");
  f.atMonth.setSelection(0, 0);
  tk().key(Key::Backspace, kBackspaceCharacter);
  EXPECT_EQ(f.atMonth.text(), "12");
  EXPECT_TRUE(f.atDay.hasFocus());

  tk().click(f.atMonth);
  f.atMonth.setSelection(2, 0);
  tk().key(Key::Backspace, kBackspaceCharacter);
  EXPECT_EQ(f.atMonth.text(), "1");
  EXPECT_TRUE(f.atMonth.hasFocus());
}

TEST_F(BarKeys, EnterMovesOnExceptInTheLastFieldOfEachChain) {
  MainBar& f = bar();
  focusEmptied(f.atMonth);
  tk().type("5");
  EXPECT_TRUE(f.atMonth.hasFocus()) << "a single digit in a two-digit field stays";
  tk().type("\r");
  EXPECT_TRUE(f.atDay.hasFocus());
  EXPECT_EQ(f.atMonth.text(), "5");

  tk().click(f.atMinute);
  std::string before = f.atMinute.text();
  tk().type("\r");
  EXPECT_TRUE(f.atMinute.hasFocus());
  EXPECT_EQ(f.atMinute.text(), before);
}

TEST_F(BarKeys, LettersSignsAndSpacesNeverGoIn) {
  MainBar& f = bar();
  focusEmptied(f.atYear);
  tk().type("a- .+x9");
  EXPECT_EQ(f.atYear.text(), "9");
}

// Whether the user comes back with Alt+Tab or a click on the bar's face, the field that had
// the focus has it again and takes the digits typed.
TEST_F(BarKeys, ActivatedAgainTheBarGivesTheFocusBackToItsField) {
  MainBar& f = bar();
  for (bool byClick : {false, true}) {
    focusEmptied(f.atHour);
    tk().activate(f, Activation{ActivationKind::Inactive});  // another application's window
    EXPECT_EQ(tk().keyboardFocus(), nullptr);
    if (byClick) {
      tk().clickAt(barPoint(250, 40));
    } else {
      tk().activate(f, Activation{ActivationKind::Active});
    }
    EXPECT_EQ(tk().keyboardFocus(), &f.atHour) << byClick;
    tk().type("7");
    EXPECT_EQ(f.atHour.text(), "7") << byClick;
  }
}

// Tab and Shift+Tab run through the buttons, then the fields of the mode shown, and wrap.
TEST_F(BarKeys, TabAndShiftTabFollowTheTabOrderBothWays) {
  MainBar& f = bar();
  tk().click(f.afterWord);
  tk().click(f.afterHours);
  struct Step {
    bool shift;
    Control* focus;
  };
  for (Step step : {Step{true, &f.quitButton}, Step{true, &f.homePageButton}, Step{false, &f.quitButton},
                    Step{false, &f.afterHours}, Step{false, &f.afterMinutes}, Step{false, &f.startButton},
                    Step{true, &f.afterMinutes}}) {
    tk().key(Key::Tab, kTabCharacter, {.shift = step.shift});
    EXPECT_EQ(tk().keyboardFocus(), step.focus) << step.focus->name();
  }
}

TEST_F(BarKeys, PastedTextKeepsOnlyItsDigits) {
  MainBar& f = bar();
  EXPECT_EQ(f.atYear.pasted("-1a2"), "12");
}

class BarAfterKeys : public BarFixture {};

TEST_F(BarAfterKeys, TheChainRunsFromHoursToMinutes) {
  MainBar& f = shown();
  tk().click(f.afterHours);
  f.afterHours.setText("");
  tk().type("12");
  EXPECT_TRUE(f.afterMinutes.hasFocus());
  tk().type("\r");
  EXPECT_TRUE(f.afterMinutes.hasFocus());
}

}  // namespace
}  // namespace morvane
