// The about window: as the splash it opens the main window, as the about box it waits for a click.
#include <gtest/gtest.h>

#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/bar/MainBar.h"

namespace morvane {
namespace {

class Splash : public testing::ProgramTest {
 protected:
  AboutWindow& Shown(bool splash) {
    AboutWindow& a = program->aboutWindow();
    if (splash) {
      a.show();
    } else {
      a.showAsAbout();
    }
    return a;
  }
  void ClickOn(const Window& w) { tk().clickAt({w.left() + 200, w.top() + 150}); }
};

// A window whose system window could not be made is not loaded: the next use makes it.
TEST_F(Splash, AWindowTheSystemCouldNotMakeIsMadeOnItsNextUse) {
  tk().refuseWindows = true;
  EXPECT_ANY_THROW(program->aboutWindow());
  EXPECT_EQ(program->existingAboutWindow(), nullptr);
  tk().refuseWindows = false;
  AboutWindow& a = program->aboutWindow();
  EXPECT_TRUE(a.loaded());
  EXPECT_NE(a.peer(), nullptr);
}

TEST_F(Splash, ShowsCentredAndOpensTheBarAfterOneSecond) {
  AboutWindow& a = Shown(true);
  EXPECT_EQ(a.bounds(), (Rect{312, 234, 400, 300}));
  EXPECT_FALSE(a.topmost());
  advance(999);
  EXPECT_EQ(program->existingMainBar(), nullptr);
  advance(1);
  EXPECT_EQ(program->existingAboutWindow(), nullptr);
  ASSERT_NE(program->existingMainBar(), nullptr);
  EXPECT_TRUE(program->existingMainBar()->visible());
}

TEST_F(Splash, AClickOpensTheBarAtOnceRatherThanLeavingNoWindow) {
  ClickOn(Shown(true));
  EXPECT_EQ(program->existingAboutWindow(), nullptr);
  MainBar* bar = program->existingMainBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->visible());
  advance(5'000);
  EXPECT_EQ(program->existingMainBar(), bar);
  EXPECT_EQ(tk().loadedWindowCount(), 1);
}

TEST_F(Splash, AboutBoxStaysUntilClickedAndOpensNothing) {
  AboutWindow& a = Shown(false);
  advance(3'600'000);
  EXPECT_TRUE(a.visible());
  ClickOn(a);
  EXPECT_EQ(program->existingAboutWindow(), nullptr);
  EXPECT_EQ(program->existingMainBar(), nullptr);

  // From the bar's AboutWindow button: closing it leaves the bar as it was.
  MainBar& bar = program->mainBar();
  bar.show();
  tk().click(bar.aboutButton);
  advance(2'000);
  ASSERT_NE(program->existingAboutWindow(), nullptr);
  ClickOn(*program->existingAboutWindow());
  EXPECT_EQ(program->existingAboutWindow(), nullptr);
  EXPECT_EQ(program->existingMainBar(), &bar);
  EXPECT_TRUE(bar.visible());
}

}  // namespace
}  // namespace morvane
