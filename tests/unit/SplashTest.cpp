// The about window: as the splash it opens the main window, as the about box it waits for a click.
#include <gtest/gtest.h>

#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/About.h"
#include "ui/main/Form1.h"

namespace morvane {
namespace {

class Splash : public testing::ProgramTest {
 protected:
  About& Shown(bool timer) {
    About& a = program->about();
    a.show();
    a.Timer1.setEnabled(timer);
    return a;
  }
  void ClickOn(const Window& w) { tk().clickAt({w.left() + 200, w.top() + 150}); }
};

TEST_F(Splash, ShowsCentredAndOpensTheBarAfterOneSecond) {
  About& a = Shown(true);
  EXPECT_EQ(a.bounds(), (Rect{312, 234, 400, 300}));
  EXPECT_FALSE(a.topmost());
  advance(999);
  EXPECT_EQ(program->existingForm1(), nullptr);
  advance(1);
  EXPECT_EQ(program->existingAbout(), nullptr);
  ASSERT_NE(program->existingForm1(), nullptr);
  EXPECT_TRUE(program->existingForm1()->visible());
}

TEST_F(Splash, AClickOpensTheBarAtOnceRatherThanLeavingNoWindow) {
  ClickOn(Shown(true));
  EXPECT_EQ(program->existingAbout(), nullptr);
  Form1* bar = program->existingForm1();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->visible());
  advance(5'000);
  EXPECT_EQ(program->existingForm1(), bar);
  EXPECT_EQ(tk().loadedWindowCount(), 1);
}

TEST_F(Splash, AboutBoxStaysUntilClickedAndOpensNothing) {
  About& a = Shown(false);
  advance(3'600'000);
  EXPECT_TRUE(a.visible());
  ClickOn(a);
  EXPECT_EQ(program->existingAbout(), nullptr);
  EXPECT_EQ(program->existingForm1(), nullptr);

  // From the bar's About button: closing it leaves the bar as it was.
  Form1& bar = program->form1();
  bar.show();
  tk().click(bar.xpcmdbutton1[2]);
  advance(2'000);
  ASSERT_NE(program->existingAbout(), nullptr);
  ClickOn(*program->existingAbout());
  EXPECT_EQ(program->existingAbout(), nullptr);
  EXPECT_EQ(program->existingForm1(), &bar);
  EXPECT_TRUE(bar.visible());
}

}  // namespace
}  // namespace morvane
