// Nearest-pixel drawing into memory, following GDI's plain stretched copy closely enough
// for whole-pixel checks.
#include "backends/headless/Raster.h"

#include <cmath>
#include <cstdlib>

namespace morvane {

Raster::Raster(int width, int height, Color background)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      pixels_(static_cast<size_t>(width_ * height_), background) {}

void Raster::set(int x, int y, Color colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y * width_ + x)] = colour;
}

void Raster::stretchCopy(const Image& image, Rect source, Rect destination) {
  ++copies_;
  if (destination.w <= 0 || destination.h <= 0 || source.w <= 0 || source.h <= 0) return;
  for (int dy = 0; dy < destination.h; ++dy) {
    int sy = source.y + dy * source.h / destination.h;
    for (int dx = 0; dx < destination.w; ++dx) {
      int sx = source.x + dx * source.w / destination.w;
      if (sx < 0 || sy < 0 || sx >= image.width || sy >= image.height) continue;
      set(destination.x + dx, destination.y + dy, image.at(sx, sy));
    }
  }
}

void Raster::fill(Rect area, Color colour) {
  for (int y = area.y; y < area.y + area.h; ++y)
    for (int x = area.x; x < area.x + area.w; ++x) set(x, y, colour);
}

void Raster::line(Point from, Point to, Color colour) {
  int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int err = dx + dy;
  Point p = from;
  while (p.x != to.x || p.y != to.y) {
    set(p.x, p.y, colour);
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; p.x += sx; }
    if (e2 <= dx) { err += dx; p.y += sy; }
  }
}

void Raster::ellipse(Rect bounds, Color colour) {
  if (bounds.w <= 0 || bounds.h <= 0) return;
  double rx = bounds.w / 2.0, ry = bounds.h / 2.0;
  double cx = bounds.x + rx, cy = bounds.y + ry;
  for (int y = bounds.y; y < bounds.bottom(); ++y) {
    for (int x = bounds.x; x < bounds.right(); ++x) {
      double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
      if (nx * nx + ny * ny <= 1.0) set(x, y, colour);
    }
  }
}

void Raster::text(Point topLeft, std::string_view text, const Font& font, Color colour) {
  texts_.push_back({topLeft, std::string(text), font, colour});
}

}  // namespace morvane
