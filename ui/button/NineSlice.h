// Nine-slice painting of a skin over a surface: corners unscaled, edges stretched along
// their length, the middle stretched both ways.
#pragma once

#include <array>

#include "platform/image.h"
#include "platform/surface.h"

namespace morvane {

struct SlicePiece {
  Rect destination;
  Rect source;
  friend bool operator==(const SlicePiece&, const SlicePiece&) = default;
};

// The nine copies, in drawing order: the four corners clockwise from the top left, then
// the top, right, left and bottom edges, then the middle. They tile a target of at least
// 6 x 6 exactly; below that, edges and middle get empty or negative sizes and draw nothing.
std::array<SlicePiece, 9> NineSlicePieces(Size target);

void PaintNineSlice(Surface& surface, const Image& skin);

}  // namespace morvane
