// The six-line settings text: the four time fields and the two mode label colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

struct SettingsValues {
  std::string text6 = "21", text7 = "0", text8 = "1", text9 = "0";
  std::int32_t label3Color = 0, label4Color = 8421504;
};

std::string FormatSettings(const SettingsValues& values);
// Reads up to six lines over the values; what is missing or unreadable keeps its value.
void ApplySettingsText(std::string_view bytes, SettingsValues& into);
std::optional<std::int32_t> ParseColorLine(std::string_view line);

}  // namespace morvane
