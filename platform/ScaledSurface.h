// A surface in 96-dpi units over one in a screen's pixels: faces and skins paint in units
// and land scaled, with text in fonts made for the screen rather than stretched.
#pragma once

#include "platform/surface.h"

namespace morvane {

class ScaledSurface : public Surface {
 public:
  // `origin` is where this surface's corner lies in its window, in units; `size` its size.
  ScaledSurface(Surface& device, int dpi, Point origin, Size size)
      : device_(device), dpi_(dpi), origin_(origin), size_(size) {}

  int width() const override { return size_.w; }
  int height() const override { return size_.h; }
  void stretchCopy(const Image& image, Rect source, Rect destination) override;
  void fill(Rect area, Color colour) override;
  void line(Point from, Point to, Color colour) override;
  void ellipse(Rect bounds, Color colour) override;
  void text(Point topLeft, std::string_view text, const Font& font, Color colour) override;

  Rect toDevice(Rect units) const;
  Point toDevice(Point units) const;

 private:
  Surface& device_;
  int dpi_;
  Point origin_;
  Size size_;
};

}  // namespace morvane
