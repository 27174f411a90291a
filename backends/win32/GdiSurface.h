// The drawing surface over a GDI device context.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/surface.h"

namespace morvane {

// GDI's colour value, red in the low byte.
inline COLORREF ColorRef(Color colour) { return RGB(colour.red, colour.green, colour.blue); }

// Fonts made once per description and kept for the life of the program.
HFONT FontHandle(const Font& font);

class GdiSurface : public Surface {
 public:
  GdiSurface(HDC dc, int width, int height) : dc_(dc), width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void stretchCopy(const Image& image, Rect source, Rect destination) override;
  void fill(Rect area, Color colour) override;
  void line(Point from, Point to, Color colour) override;
  void ellipse(Rect bounds, Color colour) override;
  void text(Point topLeft, std::string_view text, const Font& font, Color colour) override;
  void scaledText(Point topLeft, std::string_view text, const Font& font, Color colour, int dpi) override;

  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  int width_;
  int height_;
};

// An off-screen bitmap with a surface on it: what custom controls keep between paints,
// and the back buffer windows paint into before one copy to the screen.
class BitmapSurface {
 public:
  BitmapSurface(int width, int height);
  ~BitmapSurface();
  BitmapSurface(const BitmapSurface&) = delete;
  BitmapSurface& operator=(const BitmapSurface&) = delete;

  GdiSurface& surface() { return surface_; }
  HDC dc() const { return dc_; }
  int width() const { return surface_.width(); }
  int height() const { return surface_.height(); }
  void copyTo(HDC target, int x, int y) const;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  GdiSurface surface_;
};

// Answers WM_PAINT through a back buffer the size of the client area, copied to the screen in
// one go so nothing flickers. A paint that runs out of GDI memory is skipped, not fatal.
void PaintThroughBackBuffer(HWND hwnd, const std::function<void(BitmapSurface& back, RECT client)>& draw);

}  // namespace morvane
