// An RGB raster that faces and skins draw into, so tests can check them pixel by pixel.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

namespace morvane {

class Raster : public Surface {
 public:
  struct TextRun {
    Point at;
    std::string text;
    Font font;
    Color colour;
  };

  Raster(int width, int height, Color background = {});

  int width() const override { return width_; }
  int height() const override { return height_; }
  void stretchCopy(const Image& image, Rect source, Rect destination) override;
  void fill(Rect area, Color colour) override;
  void line(Point from, Point to, Color colour) override;
  void ellipse(Rect bounds, Color colour) override;
  void text(Point topLeft, std::string_view text, const Font& font, Color colour) override;

  Color at(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
  void set(int x, int y, Color colour);
  // Text is recorded, not rasterised: the headless backend has no fonts.
  const std::vector<TextRun>& texts() const { return texts_; }
  int copies() const { return copies_; }

 private:
  int width_;
  int height_;
  std::vector<Color> pixels_;
  std::vector<TextRun> texts_;
  int copies_ = 0;
};

}  // namespace morvane
