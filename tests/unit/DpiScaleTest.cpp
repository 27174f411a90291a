// Lengths in 96-dpi units on screens of other dpi: the scaling rule, its inverse, and faces
// painted in units onto pixels.
#include <gtest/gtest.h>

#include "platform/DpiScale.h"
#include "platform/OffsetSurface.h"
#include "platform/ScaledSurface.h"
#include "backends/headless/Raster.h"
#include "ui/button/ButtonSkin.h"
#include "ui/button/NineSlice.h"
#include "ui/dialogs/AlertFace.h"

namespace morvane {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

TEST(DpiScale, LengthsRoundToTheNearestPixelWithHalvesAwayFromZero) {
  const struct { int units; int at[4]; } rows[] = {
      {0, {0, 0, 0, 0}},        {1, {1, 1, 2, 2}},          {2, {2, 3, 3, 4}},
      {43, {43, 54, 65, 86}},   {255, {255, 319, 383, 510}}, {-3, {-3, -4, -5, -6}},
      {-1, {-1, -1, -2, -2}},   {1001, {1001, 1251, 1502, 2002}},
  };
  for (const auto& row : rows) {
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ScaleToDpi(row.units, kDpis[i]), row.at[i]) << row.units << " at " << kDpis[i];
  }
}

// Pixels the system reports (a window moved, a pointer) come back to the very units they
// were scaled from, so a window's place does not creep as it goes back and forth.
TEST(DpiScale, UnitsSurviveTheTripToPixelsAndBack) {
  for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
    for (int units = -2000; units <= 2000; ++units) {
      ASSERT_EQ(UnscaleFromDpi(ScaleToDpi(units, dpi), dpi), units) << units << " at " << dpi;
    }
  }
  EXPECT_FLOAT_EQ(UnscaleFromDpi(75.0f, 144), 50.0f);
}

TEST(DpiScale, RectanglesScaleByTheirEdgesAndKeepAPixel) {
  const struct { Rect units; int dpi; Rect pixels; } rows[] = {
      {{0, 0, 51, 18}, 144, {0, 0, 77, 27}},     // ends where the next button's 1-unit overlap begins
      {{50, 0, 51, 18}, 144, {75, 0, 77, 27}},
      {{217, 21, 30, 13}, 144, {326, 32, 45, 19}},
      {{0, 0, 255, 1}, 120, {0, 0, 319, 1}},     // the folded line
      {{0, 1, 255, 1}, 120, {0, 1, 319, 2}},
      {{0, 1, 10, 1}, 48, {0, 1, 5, 1}},         // would round to nothing
      {{5, 5, 0, -4}, 192, {10, 10, 0, -8}},     // empty stays empty
  };
  for (const auto& row : rows) EXPECT_EQ(ScaleToDpi(row.units, row.dpi), row.pixels) << row.units.x << "," << row.units.y;
  Font scaled = ScaleToDpi(Font{FontRole::Lettering, 9}, 144);
  EXPECT_EQ(scaled.points, 13.5);
  EXPECT_EQ(scaled.role, FontRole::Lettering);
}

TEST(ScaledSurface, At96DpiPaintsExactlyWhatTheFacePaints) {
  Raster direct(360, 240), wrapped(360, 240);
  PaintAlertFace(direct);
  ScaledSurface units(wrapped, 96, {0, 0}, {360, 240});
  PaintAlertFace(units);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 360; ++x) ASSERT_EQ(wrapped.at(x, y), direct.at(x, y)) << x << "," << y;
  ASSERT_EQ(wrapped.texts().size(), direct.texts().size());
  for (size_t i = 0; i < direct.texts().size(); ++i) EXPECT_EQ(wrapped.texts()[i].font, direct.texts()[i].font);
}

// A control paints the window's face under itself; at 150 % both are rounded in window
// coordinates, so the two meet without a seam wherever the control sits.
TEST(ScaledSurface, AControlsPieceOfTheWindowFaceMatchesTheWindowsOwn) {
  const int dpi = 144;
  Raster window(ScaleToDpi(360, dpi), ScaleToDpi(240, dpi));
  ScaledSurface windowUnits(window, dpi, {0, 0}, {360, 240});
  PaintAlertFace(windowUnits);
  for (Rect control : {Rect{160, 100, 38, 37}, Rect{1, 61, 33, 7}, Rect{299, 147, 61, 23}, Rect{11, 217, 5, 5}}) {
    Rect pixels = ScaleToDpi(control, dpi);
    Raster piece(pixels.w, pixels.h);
    ScaledSurface pieceUnits(piece, dpi, {control.x, control.y}, {control.w, control.h});
    OffsetSurface under(pieceUnits, {control.x, control.y}, {control.w, control.h});
    PaintAlertFace(under);
    for (int y = 0; y < pixels.h; ++y)
      for (int x = 0; x < pixels.w; ++x)
        ASSERT_EQ(piece.at(x, y), window.at(pixels.x + x, pixels.y + y)) << control.x << "," << control.y << " at " << x << "," << y;
  }
}

TEST(ScaledSurface, RulesKeepTheirWeightAndTextGetsAFontForTheDpi) {
  constexpr Color kPaper = Rgb(9, 9, 9);
  Raster r(60, 60, kPaper);
  ScaledSurface units(r, 192, {0, 0}, {30, 30});
  units.line({2, 5}, {12, 5}, Rgb(1, 2, 3));  // the end point is left out
  units.line({20, 9}, {20, 3}, Rgb(4, 5, 6));
  for (int x = 0; x < 60; ++x) {
    for (int y = 0; y < 60; ++y) {
      bool across = x >= 4 && x < 24 && y >= 10 && y < 12;
      bool down = x >= 40 && x < 42 && y >= 8 && y < 20;
      Color expected = across ? Rgb(1, 2, 3) : down ? Rgb(4, 5, 6) : kPaper;
      ASSERT_EQ(r.at(x, y), expected) << x << "," << y;
    }
  }
  units.text({3, 4}, "Stop", Font{FontRole::Dialog, 8.25}, Rgb(0, 0, 0));
  ASSERT_EQ(r.texts().size(), 1u);
  EXPECT_EQ(r.texts()[0].at, (Point{6, 8}));
  EXPECT_EQ(r.texts()[0].font.points, 16.5);
}

// The skin's nine pieces grow by the same factor: at 200 % a corner is twice the skin's.
TEST(ScaledSurface, SkinPiecesScaleWithTheButton) {
  Raster r(ScaleToDpi(51, 192), ScaleToDpi(18, 192));
  ScaledSurface units(r, 192, {50, 0}, {51, 18});
  PaintNineSlice(units, ButtonSkin(ButtonLook::Normal));
  const Image& skin = ButtonSkin(ButtonLook::Normal);
  for (int y = 0; y < 2 * kSkinBorder; ++y) {
    for (int x = 0; x < 2 * kSkinBorder; ++x) {
      EXPECT_EQ(r.at(x, y), skin.at(x / 2, y / 2));
      EXPECT_EQ(r.at(r.width() - 1 - x, r.height() - 1 - y), skin.at(kSkinWidth - 1 - x / 2, kSkinHeight - 1 - y / 2));
    }
  }
}

}  // namespace
}  // namespace morvane
