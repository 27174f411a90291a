// Plain values shared by every layer: points, rectangles, colours and fonts.
#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <string>

namespace morvane {

// A colour by its red, green and blue parts, 0 to 255 each.
struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr auto operator<=>(const Color&, const Color&) = default;
};

constexpr Color Rgb(int red, int green, int blue) {
  return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)};
}

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + w && p.y < y + h; }
};

struct Size {
  int w = 0;
  int h = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The part a font plays; the backend picks the face that plays it, and the characters it needs.
enum class FontRole {
  Dialog,     // the controls' own face, and the alert's number
  Lettering,  // the words drawn on the faces, and the alert's buttons
  Message,    // a message's text, which may hold Chinese characters
};

// The windows' default font is a Font as it stands: the dialog face at 8.25 points.
struct Font {
  FontRole role = FontRole::Dialog;
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// Fonts are shared by reference: a button and its caption hold the very same object.
using FontRef = std::shared_ptr<const Font>;

inline FontRef MakeFont(FontRole role, double points, bool bold = false, bool italic = false) {
  return std::make_shared<const Font>(Font{role, points, bold, italic});
}

}  // namespace morvane
