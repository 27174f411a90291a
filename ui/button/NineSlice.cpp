// Nine-slice geometry for the skin layout.
#include "ui/button/NineSlice.h"

#include "ui/button/ButtonSkin.h"

namespace morvane {

std::array<SlicePiece, 9> NineSlicePieces(Size target) {
  constexpr int b = kSkinBorder;
  constexpr int farX = kSkinWidth - b;
  constexpr int farY = kSkinHeight - b;
  constexpr int middleW = kSkinWidth - 2 * b;
  constexpr int middleH = kSkinHeight - 2 * b;
  const int w = target.w;
  const int h = target.h;
  return {{
      {{0, 0, b, b}, {0, 0, b, b}},
      {{w - b, 0, b, b}, {farX, 0, b, b}},
      {{w - b, h - b, b, b}, {farX, farY, b, b}},
      {{0, h - b, b, b}, {0, farY, b, b}},
      {{b, 0, w - 2 * b, b}, {b, 0, middleW, b}},
      {{w - b, b, b, h - 2 * b}, {farX, b, b, middleH}},
      {{0, b, b, h - 2 * b}, {0, b, b, middleH}},
      {{b, h - b, w - 2 * b, b}, {b, farY, middleW, b}},
      {{b, b, w - 2 * b, h - 2 * b}, {b, b, middleW, middleH}},
  }};
}

void PaintNineSlice(Surface& surface, const Image& skin) {
  for (const SlicePiece& piece : NineSlicePieces({surface.width(), surface.height()})) {
    surface.stretchCopy(skin, piece.source, piece.destination);
  }
}

}  // namespace morvane
