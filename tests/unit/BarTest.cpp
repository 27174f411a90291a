// The bar on the headless backend: loading, modes, field keys, docking, dragging and its
// command buttons, driven as a user would.
#include <gtest/gtest.h>

#include "tests/unit/ProgramFixture.h"
#include "ui/Module1.h"
#include "ui/dialogs/About.h"
#include "ui/main/Form1.h"

namespace morvane {
namespace {

using testing::At;

class Bar : public testing::ProgramTest {
 protected:
  Form1& bar() { return program->form1(); }
  Form1& shown() {
    Form1& f = bar();
    f.show();
    return f;
  }
  Point barPoint(int x, int y) { return {bar().left() + x, bar().top() + y}; }
};

TEST_F(Bar, LoadsInTheAfterModeCentredAtTheTopWithTodaysDate) {
  Form1& f = bar();
  EXPECT_EQ(f.bounds(), (Rect{384, 0, 255, 43}));
  EXPECT_EQ(f.ScreenWidthTwips, 15360);
  EXPECT_EQ(f.Text8.text(), "1");
  EXPECT_EQ(f.Text9.text(), "0");
  EXPECT_EQ(f.Text6.text(), "21");
  EXPECT_EQ(f.Text7.text(), "0");
  EXPECT_EQ(f.Text3.text(), "2026");
  EXPECT_EQ(f.Text4.text(), "12");
  EXPECT_EQ(f.Text5.text(), "7");
  EXPECT_TRUE(f.Text8.visible() && f.Text9.visible());
  for (Control* c : {&f.Text3, &f.Text4, &f.Text5, &f.Text6, &f.Text7}) EXPECT_FALSE(c->visible()) << c->name();
  EXPECT_EQ(f.Label2.text(), "Shutdown after / at  ___ : ___  ( HH:mm )");
  EXPECT_EQ(f.xpcmdbutton1[3].Caption(), "Quillon");
  EXPECT_TRUE(f.topmost());
  EXPECT_FALSE(f.Label1.visible());
}

TEST_F(Bar, SwitchingModesKeepsEveryFieldsText) {
  Form1& f = shown();
  f.Text8.setText("7");
  f.Text9.setText("45");
  tk().click(f.Label4);
  EXPECT_EQ(f.Label4.foreColor(), 0u);
  EXPECT_EQ(f.Label3.foreColor(), 0x808080u);
  EXPECT_TRUE(f.Text3.visible() && f.Text7.visible());
  EXPECT_FALSE(f.Text8.visible());
  EXPECT_EQ(f.Label2.text(), "Shutdown after / at  ___ : ___    ___ - ___ - _____");
  f.Text6.setText("22");
  tk().click(f.Label3);
  EXPECT_EQ(f.Text8.text(), "7");
  EXPECT_EQ(f.Text9.text(), "45");
  EXPECT_EQ(f.Text6.text(), "22");
  EXPECT_EQ(f.Label3.foreColor(), 0u);
  EXPECT_EQ(f.Label4.foreColor(), 0x808080u);
}

class BarKeys : public Bar {
 protected:
  void SetUp() override {
    Form1& f = shown();
    tk().click(f.Label4);
  }
  void focusEmptied(Control& field) {
    tk().click(field);
    field.setText("");
  }
};

TEST_F(BarKeys, TypingAYearMovesToTheMonthWithItsTextSelected) {
  Form1& f = bar();
  focusEmptied(f.Text3);
  tk().type("2024");
  EXPECT_EQ(f.Text3.text(), "2024");
  EXPECT_TRUE(f.Text4.hasFocus());
  EXPECT_EQ(f.Text4.selStart(), 0);
  EXPECT_EQ(f.Text4.selLength(), 2);
  tk().type("12");
  EXPECT_EQ(f.Text4.text(), "12");
  EXPECT_TRUE(f.Text5.hasFocus());
  EXPECT_EQ(f.Text5.selLength(), static_cast<int>(f.Text5.text().size()));
}

TEST_F(BarKeys, AFullFieldMovesOnEvenWhenTheDigitDoesNotGoIn) {
  Form1& f = bar();
  tk().click(f.Text6);
  f.Text6.setText("21");
  f.Text6.setSelection(2, 0);
  tk().type("5");
  EXPECT_EQ(f.Text6.text(), "21");
  EXPECT_TRUE(f.Text7.hasFocus());
}

TEST_F(BarKeys, BackspaceMovesOnOnlyWhenItLeavesTheFieldFull) {
  Form1& f = bar();
  tk().click(f.Text4);
  f.Text4.setText("12");
  f.Text4.setSelection(0, 0);
  tk().key(8, 8);
  EXPECT_EQ(f.Text4.text(), "12");
  EXPECT_TRUE(f.Text5.hasFocus());

  tk().click(f.Text4);
  f.Text4.setSelection(2, 0);
  tk().key(8, 8);
  EXPECT_EQ(f.Text4.text(), "1");
  EXPECT_TRUE(f.Text4.hasFocus());
}

TEST_F(BarKeys, EnterMovesOnExceptInTheLastFieldOfEachChain) {
  Form1& f = bar();
  focusEmptied(f.Text4);
  tk().type("5");
  EXPECT_TRUE(f.Text4.hasFocus()) << "a single digit in a two-digit field stays";
  tk().type("\r");
  EXPECT_TRUE(f.Text5.hasFocus());
  EXPECT_EQ(f.Text4.text(), "5");

  tk().click(f.Text7);
  std::string before = f.Text7.text();
  tk().type("\r");
  EXPECT_TRUE(f.Text7.hasFocus());
  EXPECT_EQ(f.Text7.text(), before);
}

TEST_F(BarKeys, LettersSignsAndSpacesNeverGoIn) {
  Form1& f = bar();
  focusEmptied(f.Text3);
  tk().type("a- .+x9");
  EXPECT_EQ(f.Text3.text(), "9");
}

TEST_F(BarKeys, PastedTextKeepsOnlyItsDigits) {
  Form1& f = bar();
  std::string pasted = "-1a2";
  f.Text3.Paste(pasted);
  EXPECT_EQ(pasted, "12");
}

TEST_F(Bar, AfterChainRunsFromHoursToMinutes) {
  Form1& f = shown();
  tk().click(f.Text8);
  f.Text8.setText("");
  tk().type("12");
  EXPECT_TRUE(f.Text9.hasFocus());
  tk().type("\r");
  EXPECT_TRUE(f.Text9.hasFocus());
}

// ---- Docking -------------------------------------------------------------------------

class BarDocking : public Bar {
 protected:
  void SetUp() override {
    shown();
    tk().activate(bar(), 1);
    sys().cursor_ = {1000, 700};
  }
  bool collapsed() {
    Form1& f = bar();
    bool folded = f.height() == 1;
    EXPECT_EQ(f.line1.visible(), folded);
    EXPECT_EQ(f.Timer2.enabled(), folded);
    for (auto& b : f.xpcmdbutton1) EXPECT_EQ(b.visible(), !folded);
    return folded;
  }
  void startCountdown() {
    Form1& f = bar();
    f.Text8.setText("1");
    f.Text9.setText("0");
    f.xpcmdbutton1_Click(0);
    ASSERT_TRUE(f.Label1.visible());
  }
};

TEST_F(BarDocking, IdleAndActiveStaysOpenWhereverTheCursorIs) {
  advance(400);
  EXPECT_FALSE(collapsed());
}

TEST_F(BarDocking, IdleBarFoldsOnceAnotherWindowTakesOver) {
  tk().activate(bar(), 0);
  advance(180);
  EXPECT_TRUE(collapsed());
  sys().cursor_ = barPoint(10, 0);
  advance(180);
  EXPECT_FALSE(collapsed());
}

TEST_F(BarDocking, ActivatingAMinimizedBarDoesNotCountAsActive) {
  tk().activate(bar(), 0x00010001);
  advance(180);
  EXPECT_FALSE(program->WindowActive);
  EXPECT_TRUE(collapsed());
}

TEST_F(BarDocking, RunningCountdownFoldsAsSoonAsTheCursorLeavesAndOpensAtTheTopEdge) {
  startCountdown();
  sys().cursor_ = barPoint(100, 10);
  advance(180);
  EXPECT_FALSE(collapsed());
  sys().cursor_ = barPoint(100, 44);
  advance(180);
  EXPECT_TRUE(collapsed());
  sys().cursor_ = barPoint(100, 2);
  advance(180);
  EXPECT_TRUE(collapsed()) << "row 2 is below a folded bar";
  sys().cursor_ = barPoint(0, 1);
  advance(180);
  EXPECT_FALSE(collapsed());
  sys().cursor_ = barPoint(255, 43);
  advance(180);
  EXPECT_FALSE(collapsed()) << "the far corner still belongs to the open bar";
}

TEST_F(BarDocking, FoldedLineBlinksRedPaleGreenGreen) {
  tk().activate(bar(), 0);
  advance(180);
  ASSERT_TRUE(collapsed());
  Form1& f = bar();
  std::vector<Color> seen;
  for (int i = 0; i < 4; ++i) {
    advance(1000);
    seen.push_back(f.line1.foreColor());
  }
  EXPECT_EQ(seen, (std::vector<Color>{0x0000FF, 0xA2E5CC, 0x00FF00, 0x0000FF}));
}

struct DragCase {
  const char* what;
  int button;
  Point delta;
  Rect expected;
};

class BarDrag : public Bar, public ::testing::WithParamInterface<DragCase> {};

TEST_P(BarDrag, SnapsBackToTheTopEdgeWithinTheScreen) {
  const DragCase& c = GetParam();
  Form1& f = shown();
  tk().queueDrag(c.delta);
  int button = c.button, shift = 0;
  float x = 250, y = 40;
  f.MouseMove(button, shift, x, y);
  EXPECT_EQ(f.bounds(), c.expected) << c.what;
  EXPECT_EQ(tk().systemDragCount(), c.button == kLeftButton ? 1 : 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Drags, BarDrag,
    ::testing::Values(DragCase{"past the right edge", kLeftButton, {900, 0}, {769, 0, 255, 43}},
                      DragCase{"past the left edge", kLeftButton, {-900, 0}, {0, 0, 255, 43}},
                      DragCase{"downwards", kLeftButton, {-50, 300}, {334, 0, 255, 43}},
                      DragCase{"left and right held", kLeftButton | kRightButton, {300, 300}, {384, 0, 255, 43}}));

// ---- Command buttons -----------------------------------------------------------------

TEST_F(Bar, StartAndStopSwapTheLinesAndQuit) {
  Form1& f = shown();
  tk().click(f.xpcmdbutton1[0]);
  EXPECT_EQ(f.xpcmdbutton1[0].Caption(), "Stop");
  EXPECT_FALSE(f.xpcmdbutton1[4].Enabled());
  EXPECT_TRUE(f.Label1.visible());
  EXPECT_EQ(f.Label1.text(), "Shutdown computer as your wish.");
  for (Control* c : {&f.Text8, &f.Text9, &f.Label2, &f.Label3, &f.Label4}) EXPECT_FALSE(c->visible()) << c->name();
  advance(1000);
  EXPECT_EQ(f.Label1.text(), "Shutdown after 59 minutes.");

  tk().click(f.xpcmdbutton1[4]);
  EXPECT_TRUE(f.loaded()) << "Quit is disabled during a countdown";

  tk().click(f.xpcmdbutton1[0]);
  EXPECT_EQ(f.xpcmdbutton1[0].Caption(), "Start");
  EXPECT_TRUE(f.xpcmdbutton1[4].Enabled());
  EXPECT_FALSE(f.Label1.visible());
  EXPECT_TRUE(f.Text8.visible() && f.Label2.visible() && f.Label3.visible() && f.Label4.visible());
  EXPECT_FALSE(f.Timer1.enabled());
}

TEST_F(Bar, QuitSavesTheTypedScheduleAndEnds) {
  Form1& f = shown();
  f.Text8.setText("3");
  f.Text9.setText("15");
  tk().click(f.Label4);
  f.Text6.setText("6");
  tk().click(f.xpcmdbutton1[4]);
  EXPECT_EQ(settingsFile(), "6\r\n0\r\n3\r\n15\r\n 8421504 \r\n 0 \r\n");
  EXPECT_TRUE(sys().ended);
  EXPECT_FALSE(f.loaded());
}

TEST_F(Bar, HelpAndHomePageGoToTheShell) {
  Form1& f = shown();
  tk().click(f.xpcmdbutton1[1]);
  tk().click(f.xpcmdbutton1[3]);
  std::vector<std::string> opens;
  for (auto& call : sys().calls)
    if (call.rfind("ShellExecute", 0) == 0) opens.push_back(call);
  EXPECT_EQ(opens, (std::vector<std::string>{"ShellExecute Open C:\\Program Files\\Morvane\\help.chm",
                                             "ShellExecute Open https://www.quillon.example/"}));
}

TEST_F(Bar, AboutShowsOneAboutBoxThatStaysUp) {
  Form1& f = shown();
  tk().click(f.xpcmdbutton1[2]);
  About* about = program->existingAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->visible());
  EXPECT_FALSE(about->Timer1.enabled());
  tk().click(f.xpcmdbutton1[2]);
  EXPECT_EQ(program->existingAbout(), about);
  advance(5000);
  EXPECT_TRUE(about->loaded());
}

TEST_F(Bar, ClosingTheBarFromTheSystemIsQuitAndRefusedDuringACountdown) {
  Form1& f = shown();
  f.xpcmdbutton1_Click(0);
  f.hostCloseRequested();
  EXPECT_TRUE(f.loaded());
  f.xpcmdbutton1_Click(0);
  f.hostCloseRequested();
  EXPECT_TRUE(sys().ended);
}

}  // namespace
}  // namespace morvane
