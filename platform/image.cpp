// Palette-and-rows images.
#include "platform/image.h"

#include <stdexcept>

namespace morvane {

Image ImageFromRows(std::initializer_list<Color> palette, std::initializer_list<std::string_view> rows) {
  Image image;
  image.height = static_cast<int>(rows.size());
  image.width = rows.size() ? static_cast<int>(rows.begin()->size()) : 0;
  image.pixels.reserve(static_cast<size_t>(image.width * image.height));
  const Color* colours = palette.begin();
  for (std::string_view row : rows) {
    if (static_cast<int>(row.size()) != image.width) throw std::logic_error("image rows differ in width");
    for (char c : row) {
      size_t index = static_cast<size_t>(c - '0');
      if (c < '0' || index >= palette.size()) throw std::logic_error("image digit outside its palette");
      image.pixels.push_back(colours[index]);
    }
  }
  return image;
}

}  // namespace morvane
