// Scaling between 96-dpi units and a screen's pixels.
#include "platform/DpiScale.h"

#include <cstdint>

namespace morvane {

// Rounded to the nearest pixel, halves away from zero, so a position left of or above the
// screen's corner scales as its mirror image does. Exact integers: no drift at any size.
int ScaleToDpi(int units, int dpi) {
  const std::int64_t scaled = static_cast<std::int64_t>(units) * dpi;
  const std::int64_t half = kUnitDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kUnitDpi : -((-scaled + half) / kUnitDpi));
}

// The nearest unit. At 96 dpi and above this undoes ScaleToDpi exactly: a scaled length is
// at most half a pixel off, which is less than half a unit.
int UnscaleFromDpi(int pixels, int dpi) {
  if (dpi <= 0) return pixels;
  const std::int64_t scaled = static_cast<std::int64_t>(pixels) * kUnitDpi;
  const std::int64_t half = dpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / dpi : -((-scaled + half) / dpi));
}

float UnscaleFromDpi(float pixels, int dpi) {
  if (dpi <= 0 || dpi == kUnitDpi) return pixels;
  return pixels * static_cast<float>(kUnitDpi) / static_cast<float>(dpi);
}

// The edges are scaled rather than the position and the size, so rectangles that touch or
// end at the window's edge still do. A rectangle with any width or height keeps at least one
// pixel of it: a one-unit line never vanishes.
Rect ScaleToDpi(Rect units, int dpi) {
  const int left = ScaleToDpi(units.x, dpi);
  const int top = ScaleToDpi(units.y, dpi);
  int width = ScaleToDpi(units.right(), dpi) - left;
  int height = ScaleToDpi(units.bottom(), dpi) - top;
  if (units.w > 0 && width < 1) width = 1;
  if (units.h > 0 && height < 1) height = 1;
  return {left, top, width, height};
}

Font ScaleToDpi(const Font& font, int dpi) {
  Font scaled = font;
  scaled.points = font.points * dpi / kUnitDpi;
  return scaled;
}

}  // namespace morvane
