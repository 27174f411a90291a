// Draws a paw print from filled ellipses.
#include "ui/dialogs/PawPrint.h"

namespace morvane {

namespace {
Rect Around(Point centre, int w, int h) { return {centre.x - w / 2, centre.y - h / 2, w, h}; }
}  // namespace

void PawPrint(Surface& surface, Point centre, int size, Color colour) {
  const int pad = size * 56 / 100;
  surface.ellipse(Around({centre.x, centre.y + size * 20 / 100}, pad, pad * 5 / 6), colour);
  const int toe = size * 22 / 100;
  const int toeHigh = toe * 6 / 5;
  // Outer toes sit lower than the inner ones, so the four make an arc over the pad.
  for (int side : {-1, 1}) {
    Point outer{centre.x + side * size * 36 / 100, centre.y - size * 6 / 100};
    Point inner{centre.x + side * size * 14 / 100, centre.y - size * 30 / 100};
    surface.ellipse(Around(outer, toe, toeHigh), colour);
    surface.ellipse(Around(inner, toe, toeHigh), colour);
  }
}

}  // namespace morvane
