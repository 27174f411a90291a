// The button's skins and their nine-slice painting, checked pixel by pixel.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "backends/headless/Raster.h"
#include "ui/button/ButtonSkin.h"
#include "ui/button/NineSlice.h"

namespace morvane {
namespace {

constexpr Color kFrameBlue = Rgb(0x04, 0x3E, 0x74);
constexpr Color kUnpainted = Rgb(255, 0, 255);

TEST(ButtonSkin, EachLookHasItsFrameRingAndFace) {
  struct Row {
    ButtonLook look;
    Color frame;
    Point sample;
    Color sampled;
  };
  for (Row row : {Row{ButtonLook::Normal, kFrameBlue, {9, 10}, Rgb(0xD3, 0xEB, 0xAC)},
                  Row{ButtonLook::Pressed, kFrameBlue, {1, 19}, Rgb(0x84, 0xA2, 0xDC)},
                  Row{ButtonLook::Disabled, Rgb(0xCC, 0xC6, 0xBC), {1, 1}, Rgb(0xDC, 0xD6, 0xCC)},
                  Row{ButtonLook::Hot, kFrameBlue, {1, 15}, Rgb(0xF4, 0xAA, 0x24)},
                  Row{ButtonLook::Emphasised, kFrameBlue, {1, 15}, Rgb(0x84, 0xA2, 0xDC)}}) {
    const Image& skin = ButtonSkin(row.look);
    SCOPED_TRACE(static_cast<int>(row.look));
    ASSERT_EQ(skin.width, kSkinWidth);
    ASSERT_EQ(skin.height, kSkinHeight);
    EXPECT_LE(std::set<Color>(skin.pixels.begin(), skin.pixels.end()).size(), 8u);
    for (int x = 0; x < kSkinWidth; ++x) {
      EXPECT_EQ(skin.at(x, 0), row.frame);
      EXPECT_EQ(skin.at(x, kSkinHeight - 1), row.frame);
    }
    for (int y = 0; y < kSkinHeight; ++y) {
      EXPECT_EQ(skin.at(0, y), row.frame);
      EXPECT_EQ(skin.at(kSkinWidth - 1, y), row.frame);
    }
    EXPECT_EQ(skin.at(row.sample.x, row.sample.y), row.sampled);
    // The stretched middle must hold face colour only, or stretching shows the frame.
    for (int y = kSkinBorder; y < kSkinHeight - kSkinBorder; ++y)
      for (int x = kSkinBorder; x < kSkinWidth - kSkinBorder; ++x) EXPECT_NE(skin.at(x, y), row.frame);
  }
  EXPECT_THROW(ButtonSkin(static_cast<ButtonLook>(5)), std::out_of_range);
}

Raster Painted(ButtonLook look, Size size) {
  Raster raster(size.w, size.h, kUnpainted);
  PaintNineSlice(raster, ButtonSkin(look));
  return raster;
}

TEST(NineSlice, SkinSizedButtonShowsTheSkinPixelForPixel) {
  for (int look = 0; look < kButtonLookCount; ++look) {
    const Image& skin = ButtonSkin(static_cast<ButtonLook>(look));
    Raster raster = Painted(static_cast<ButtonLook>(look), {kSkinWidth, kSkinHeight});
    for (int y = 0; y < kSkinHeight; ++y)
      for (int x = 0; x < kSkinWidth; ++x) ASSERT_EQ(raster.at(x, y), skin.at(x, y)) << look << " " << x << "," << y;
  }
}

TEST(NineSlice, BarButtonStretchesEdgesAndSqueezesSides) {
  auto pieces = NineSlicePieces({51, 18});
  EXPECT_EQ(pieces[1], (SlicePiece{{48, 0, 3, 3}, {15, 0, 3, 3}}));
  EXPECT_EQ(pieces[2], (SlicePiece{{48, 15, 3, 3}, {15, 18, 3, 3}}));
  EXPECT_EQ(pieces[4], (SlicePiece{{3, 0, 45, 3}, {3, 0, 12, 3}}));
  EXPECT_EQ(pieces[6], (SlicePiece{{0, 3, 3, 12}, {0, 3, 3, 15}}));
  EXPECT_EQ(pieces[8], (SlicePiece{{3, 3, 45, 12}, {3, 3, 12, 15}}));
}

TEST(NineSlice, PiecesTileTheWholeSurface) {
  for (Size size : {Size{6, 6}, Size{7, 30}, Size{51, 18}, Size{60, 20}, Size{80, 24}, Size{300, 14}}) {
    Raster raster = Painted(ButtonLook::Hot, size);
    const Image& skin = ButtonSkin(ButtonLook::Hot);
    for (int y = 0; y < size.h; ++y)
      for (int x = 0; x < size.w; ++x) ASSERT_NE(raster.at(x, y), kUnpainted) << size.w << "x" << size.h;
    EXPECT_EQ(raster.at(size.w - 1, size.h - 1), skin.at(kSkinWidth - 1, kSkinHeight - 1));
    EXPECT_EQ(raster.at(size.w - 2, 1), skin.at(kSkinWidth - 2, 1));
  }
}

TEST(NineSlice, SixWideButtonHasNoTopEdgeOrMiddle) {
  auto pieces = NineSlicePieces({6, 20});
  EXPECT_EQ(pieces[4].destination.w, 0);
  EXPECT_EQ(pieces[8].destination.w, 0);
  // Column 3 is the right side's inner band, not the middle's face colour.
  Raster raster = Painted(ButtonLook::Hot, {6, 20});
  EXPECT_EQ(raster.at(3, 10), ButtonSkin(ButtonLook::Hot).at(15, 10));
}

}  // namespace
}  // namespace morvane
