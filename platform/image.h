// A small RGB picture held in memory: skins and other faces kept in the program.
#pragma once

#include <string_view>
#include <vector>

#include "platform/geometry.h"

namespace morvane {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;  // row-major, width * height

  Color at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Builds an image from a palette of at most a handful of colours and rows of palette
// digits ('0'..'9'), the way the skins are kept in the source.
Image ImageFromRows(std::initializer_list<Color> palette, std::initializer_list<std::string_view> rows);

}  // namespace morvane
