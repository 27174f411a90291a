// Painting in units onto pixels.
#include "platform/ScaledSurface.h"

#include <algorithm>
#include <cstdlib>

#include "platform/DpiScale.h"

namespace morvane {

// Positions are scaled as seen from the window's corner, then brought back to this surface:
// a control's background and the window's face under it are rounded alike and meet
// without a seam.
Rect ScaledSurface::toDevice(Rect units) const {
  Rect inWindow = ScaleToDpi(Rect{units.x + origin_.x, units.y + origin_.y, units.w, units.h}, dpi_);
  return {inWindow.x - ScaleToDpi(origin_.x, dpi_), inWindow.y - ScaleToDpi(origin_.y, dpi_), inWindow.w, inWindow.h};
}

Point ScaledSurface::toDevice(Point units) const {
  return {ScaleToDpi(units.x + origin_.x, dpi_) - ScaleToDpi(origin_.x, dpi_),
          ScaleToDpi(units.y + origin_.y, dpi_) - ScaleToDpi(origin_.y, dpi_)};
}

void ScaledSurface::stretchCopy(const Image& image, Rect source, Rect destination) {
  device_.stretchCopy(image, source, toDevice(destination));
}

void ScaledSurface::fill(Rect area, Color colour) { device_.fill(toDevice(area), colour); }

// A line one unit thick: across and down it becomes a band as thick as a unit is wide, so a
// rule keeps its weight; at 96 dpi and for slanted lines the device draws it itself.
void ScaledSurface::line(Point from, Point to, Color colour) {
  if (dpi_ == kUnitDpi || (from.x != to.x && from.y != to.y)) {
    device_.line(toDevice(from), toDevice(to), colour);
    return;
  }
  // The end point is left out, as the device leaves it out.
  Rect band = from.y == to.y ? Rect{std::min(from.x, to.x + 1), from.y, std::abs(to.x - from.x), 1}
                             : Rect{from.x, std::min(from.y, to.y + 1), 1, std::abs(to.y - from.y)};
  fill(band, colour);
}

void ScaledSurface::ellipse(Rect bounds, Color colour) { device_.ellipse(toDevice(bounds), colour); }

void ScaledSurface::text(Point topLeft, std::string_view text, const Font& font, Color colour) {
  if (dpi_ == kUnitDpi) {
    device_.text(topLeft, text, font, colour);
  } else {
    device_.scaledText(toDevice(topLeft), text, font, colour, dpi_);
  }
}

void Surface::scaledText(Point topLeft, std::string_view text, const Font& font, Color colour, int dpi) {
  this->text(topLeft, text, ScaleToDpi(font, dpi), colour);
}

}  // namespace morvane
