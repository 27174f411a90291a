// A view of a surface moved by an offset and clipped to a rectangle, so a face painter can
// draw the part of a window that lies under one control.
#pragma once

#include "platform/surface.h"

namespace morvane {

class OffsetSurface : public Surface {
 public:
  // Drawing at (x, y) lands at (x - origin.x, y - origin.y) on the target.
  OffsetSurface(Surface& target, Point origin, Size size) : target_(target), origin_(origin), size_(size) {}

  int width() const override { return size_.w; }
  int height() const override { return size_.h; }
  void stretchCopy(const Image& image, Rect source, Rect destination) override {
    target_.stretchCopy(image, source, Move(destination));
  }
  void fill(Rect area, Color colour) override { target_.fill(Move(area), colour); }
  void line(Point from, Point to, Color colour) override { target_.line(Move(from), Move(to), colour); }
  void ellipse(Rect bounds, Color colour) override { target_.ellipse(Move(bounds), colour); }
  void text(Point topLeft, std::string_view text, const Font& font, Color colour) override {
    target_.text(Move(topLeft), text, font, colour);
  }

 private:
  Rect Move(Rect r) const { return {r.x - origin_.x, r.y - origin_.y, r.w, r.h}; }
  Point Move(Point p) const { return {p.x - origin_.x, p.y - origin_.y}; }
  Surface& target_;
  Point origin_;
  Size size_;
};

}  // namespace morvane
