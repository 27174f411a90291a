// The bar's background picture.
#include "ui/bar/BarFace.h"

namespace morvane {

void PaintBarFace(Surface& surface) {
  int w = surface.width(), h = surface.height();
  surface.fill({0, 0, w, h}, kBarBackground);
  surface.fill({0, 0, 1, h}, kBarFrame);
  surface.fill({w - 1, 0, 1, h}, kBarFrame);
  surface.fill({0, h - 1, w, 1}, kBarFrame);
}

}  // namespace morvane
