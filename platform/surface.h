// The drawing surface that faces and skins paint on. Win32 draws with GDI; the headless
// backend draws into an RGB raster.
#pragma once

#include <string_view>

#include "platform/geometry.h"
#include "platform/image.h"

namespace morvane {

class Surface {
 public:
  virtual ~Surface() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
  // Plain stretched copy of a rectangle of an image: no transparency, no blending.
  // Empty or negative rectangles draw nothing.
  virtual void stretchCopy(const Image& image, Rect source, Rect destination) = 0;
  virtual void fill(Rect area, Color colour) = 0;
  virtual void line(Point from, Point to, Color colour) = 0;  // excludes the end point
  virtual void ellipse(Rect bounds, Color colour) = 0;        // filled
  virtual void text(Point topLeft, std::string_view text, const Font& font, Color colour) = 0;
  // Text in a font sized for 96 dpi, drawn at `dpi` with every character where the text's
  // 96-dpi layout puts it, scaled: words laid out over or beside other text stay in place.
  // A surface that cannot place characters one by one draws the text in the scaled font.
  virtual void scaledText(Point topLeft, std::string_view text, const Font& font, Color colour, int dpi);
};

}  // namespace morvane
