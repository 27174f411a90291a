// The drawn faces of the secondary windows, read from the headless raster.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/CountdownAlert.h"
#include "ui/dialogs/MessageDialog.h"

namespace morvane {
namespace {

constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kGreen = Rgb(188, 225, 141);
constexpr Color kGrey = Rgb(224, 224, 224);

const Raster::TextRun* FindText(const Raster& r, const std::string& text) {
  for (const auto& run : r.texts()) {
    if (run.text == text) return &run;
  }
  return nullptr;
}

struct PixelCase {
  const char* what;
  Point at;
  Color colour;
};

class Faces : public testing::ProgramTest {};

TEST_F(Faces, AlertFaceHasItsFrameStripsAndRulesWhereTheLayoutExpectsThem) {
  CountdownAlert& alert = program->countdownAlert();
  Raster r = tk().render(alert);
  ASSERT_EQ(r.width(), 360);
  ASSERT_EQ(r.height(), 240);
  for (const PixelCase& c : {PixelCase{"frame top left", {0, 0}, kBlack},
                             PixelCase{"frame top", {180, 0}, kBlack},
                             PixelCase{"frame left", {0, 120}, kBlack},
                             PixelCase{"frame right", {359, 120}, kBlack},
                             PixelCase{"frame bottom right", {359, 239}, kBlack},
                             PixelCase{"gap above the title strip", {5, 1}, kGrey},
                             PixelCase{"title strip first row", {5, 2}, kGreen},
                             PixelCase{"title strip last row", {5, 32}, kGreen},
                             PixelCase{"title strip right end", {354, 32}, kGreen},
                             PixelCase{"face below the title strip", {5, 33}, kGrey},
                             PixelCase{"above the first rule", {20, 60}, kGrey},
                             PixelCase{"below the first rule", {20, 62}, kGrey},
                             PixelCase{"above the second rule", {20, 169}, kGrey},
                             PixelCase{"below the second rule", {20, 171}, kGrey},
                             PixelCase{"face above the bottom strip", {5, 216}, kGrey},
                             PixelCase{"bottom strip first row", {5, 217}, kGreen},
                             PixelCase{"bottom strip last row", {200, 237}, kGreen},
                             PixelCase{"gap below the bottom strip", {5, 238}, kGrey}}) {
    EXPECT_EQ(r.at(c.at.x, c.at.y), c.colour) << c.what;
  }
  for (int row : {61, 170}) {
    Color rule = r.at(20, row);
    EXPECT_NE(rule, kGrey) << "row " << row;
    EXPECT_EQ(rule.red, rule.green) << "a grey rule at row " << row;
    EXPECT_EQ(r.at(340, row), rule);
  }
}

TEST_F(Faces, AlertWordsStandAboveAndBelowTheNumber) {
  CountdownAlert& alert = program->countdownAlert();
  alert.secondsLeft.setText("7");
  Raster r = tk().render(alert);
  const auto* title = FindText(r, "Morvane");
  const auto* above = FindText(r, "Shutdown After");
  const auto* below = FindText(r, "Seconds");
  const auto* number = FindText(r, "7");
  ASSERT_TRUE(title && above && below && number);
  EXPECT_TRUE(title->font.italic);
  EXPECT_LT(title->at.y, 32);
  EXPECT_GT(above->at.y, 61);
  EXPECT_LT(above->at.y, number->at.y);
  EXPECT_GE(below->at.y, alert.secondsLeft.bounds().bottom());
  EXPECT_LT(below->at.y, 170);
  EXPECT_EQ(number->colour, Rgb(0, 0, 128));
  EXPECT_EQ(number->font, (Font{FontRole::Dialog, 24, true}));
}

TEST_F(Faces, DialogStripIsGreenWithTheNameAndTheXOverIt) {
  MessageDialog& box = program->messageDialog();
  Raster r = tk().render(box);
  EXPECT_EQ(r.at(0, 0), kGreen);
  EXPECT_EQ(r.at(235, 17), kGreen);
  EXPECT_EQ(r.at(110, 18), kGrey) << "the strip is 18 rows high";
  EXPECT_NE(r.at(220, 1), kGreen) << "the X button lies over the strip";
  const auto* name = FindText(r, "MORVANE");
  ASSERT_NE(name, nullptr);
  EXPECT_TRUE(name->font.italic);
  EXPECT_EQ(name->colour, kBlack);
  EXPECT_EQ(FindText(r, "OK"), nullptr) << "reply buttons are hidden until ShowMessage";
  EXPECT_EQ(*box.messageText.font(), (Font{FontRole::Message, 9}));
}

TEST_F(Faces, AboutFaceCarriesTheNamesVersionAndAddress) {
  AboutWindow& about = program->aboutWindow();
  Raster r = tk().render(about);
  ASSERT_EQ(r.width(), 400);
  ASSERT_EQ(r.height(), 300);
  const auto* maker = FindText(r, "Quillon");
  const auto* name = FindText(r, "Morvane");
  const auto* version = FindText(r, "VERSION: 4.00");
  const auto* address = FindText(r, "WWW.QUILLON.EXAMPLE");
  ASSERT_TRUE(maker && name && version && address);
  EXPECT_GT(maker->at.x, 200);
  EXPECT_LT(maker->at.y, 60);
  EXPECT_TRUE(name->font.italic);
  EXPECT_EQ(name->colour, kBlack);
  EXPECT_GT(name->font.points, 20);
  EXPECT_LT(version->at.x, 100);
  EXPECT_GT(version->at.y, 200);
  EXPECT_GT(address->at.y, version->at.y);
  EXPECT_EQ(r.at(399, 299), kGreen);
  EXPECT_NE(r.at(0, 299), kGreen);
}

}  // namespace
}  // namespace morvane
