// The bar's modes on the headless backend: what it loads with, switching between "after"
// and "at", and the mode the settings file decides.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/BarFixture.h"
#include "ui/bar/BarSettings.h"

namespace morvane {
namespace {

using testing::At;

class BarModes : public BarFixture {};

// What the bar shows along its middle row, left to right, as it draws it.
std::vector<std::pair<int, std::string>> MiddleRow(const HeadlessToolkit& tk, const MainBar& bar) {
  std::vector<std::pair<int, std::string>> row;
  const Raster shown = tk.render(bar);
  for (const Raster::TextRun& run : shown.texts())
    if (run.at.y >= 20 && run.at.y <= 23) row.emplace_back(run.at.x, run.text);
  std::sort(row.begin(), row.end());
  return row;
}

// Fresh, with no settings file: an hour from now in the "after" mode, and nine tonight on
// today's date in the "at" mode.
TEST_F(BarModes, LoadsCentredAtTheTopShowingAnHourFromNowOrNineTonight) {
  MainBar& f = shown();
  EXPECT_EQ(f.bounds(), (Rect{384, 0, 255, 43}));
  EXPECT_EQ(f.screenWidth(), 1024);
  EXPECT_TRUE(f.topmost());
  using Row = std::vector<std::pair<int, std::string>>;
  EXPECT_EQ(MiddleRow(tk(), f), (Row{{8, "Shutdown"},  // the action word, over the line's own
                                     {8, "Shutdown after / at  ___ : ___  ( HH:mm )"},
                                     {59, "after"},
                                     {91, "at"},
                                     {106, "1"},
                                     {133, "0"}}));
  tk().click(f.atWord);
  EXPECT_EQ(MiddleRow(tk(), f), (Row{{8, "Shutdown"},
                                     {8, "Shutdown after / at  ___ : ___    ___ - ___ - _____"},
                                     {59, "after"},
                                     {91, "at"},
                                     {106, "21"},
                                     {133, "0"},
                                     {163, "12"},
                                     {190, "7"},
                                     {217, "2026"}}));
}

TEST_F(BarModes, SwitchingModesKeepsEveryFieldsText) {
  MainBar& f = shown();
  f.afterHours.setText("7");
  f.afterMinutes.setText("45");
  tk().click(f.atWord);
  EXPECT_EQ(f.atWord.foreColor(), Rgb(0, 0, 0));
  EXPECT_EQ(f.afterWord.foreColor(), Rgb(128, 128, 128));
  EXPECT_TRUE(f.atYear.visible() && f.atMinute.visible());
  EXPECT_FALSE(f.afterHours.visible());
  EXPECT_EQ(f.scheduleLine.text(), "Shutdown after / at  ___ : ___    ___ - ___ - _____");
  f.atHour.setText("22");
  tk().click(f.afterWord);
  EXPECT_EQ(f.afterHours.text(), "7");
  EXPECT_EQ(f.afterMinutes.text(), "45");
  EXPECT_EQ(f.atHour.text(), "22");
  EXPECT_EQ(f.afterWord.foreColor(), Rgb(0, 0, 0));
  EXPECT_EQ(f.atWord.foreColor(), Rgb(128, 128, 128));
}

// The settings file keeps both mode words' colours; the "after" word's decides the mode read
// back, and the bar shows and saves that mode's pair, whatever the other colour said.
TEST_F(BarModes, TheAfterColourInTheSettingsDecidesTheMode) {
  struct Row {
    const char* afterColour;
    const char* atColour;
    ScheduleMode mode;
  };
  for (Row r : {Row{"0", "8421504", ScheduleMode::After}, Row{"8421504", "0", ScheduleMode::At},
                Row{"0", "0", ScheduleMode::After}, Row{"255", "255", ScheduleMode::At}}) {
    program.reset();
    platform = std::make_unique<HeadlessPlatform>(At(2026, 12, 7, 10, 0, 0));
    sys().files["C:\\windows\\morvane.dll"] =
        std::string("21\r\n0\r\n1\r\n0\r\n ") + r.afterColour + " \r\n " + r.atColour + " \r\n";
    program = std::make_unique<Program>(*platform);
    MainBar& f = shown();
    bool after = r.mode == ScheduleMode::After;
    SCOPED_TRACE(std::string(r.afterColour) + " " + r.atColour);
    EXPECT_EQ(f.mode(), r.mode);
    EXPECT_EQ(f.afterWord.foreColor(), after ? Rgb(0, 0, 0) : Rgb(128, 128, 128));
    EXPECT_EQ(f.atWord.foreColor(), after ? Rgb(128, 128, 128) : Rgb(0, 0, 0));
    EXPECT_EQ(f.afterHours.visible(), after);
    EXPECT_EQ(f.atHour.visible(), !after);
    tk().click(f.quitButton);
    EXPECT_EQ(settingsFile(), std::string("21\r\n0\r\n1\r\n0\r\n") +
                                  (after ? " 0 \r\n 8421504 \r\n" : " 8421504 \r\n 0 \r\n"));
  }
}

}  // namespace
}  // namespace morvane
