// Case folding for the program's own words and file names: ASCII letters only, so that no
// locale can change what a word or a name matches.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

inline std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace morvane
