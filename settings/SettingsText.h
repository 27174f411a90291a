// The six-line settings text: the four time fields and the schedule mode, kept as the two mode
// words' colour numbers (the selected word's black, the other's grey); an action other than shut
// down adds a seventh line with its word.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/ScheduleFields.h"

namespace morvane {

// The mode words' colours as the file writes them: black for the selected, grey for the other.
inline constexpr std::int32_t kSelectedWordColor = 0;
inline constexpr std::int32_t kUnselectedWordColor = 8421504;

struct SettingsValues {
  std::string atHour = "21", atMinute = "0", afterHours = "1", afterMinutes = "0";
  std::int32_t afterWordColor = kSelectedWordColor, atWordColor = kUnselectedWordColor;
  Action action = Action::ShutDown;
};

std::string FormatSettings(const SettingsValues& values);
// Reads up to seven lines over the values; what is missing or unreadable keeps its value, except
// the action: anything but an action's word on the seventh line, or no seventh line, is shut down.
void ApplySettingsText(std::string_view bytes, SettingsValues& into);
std::optional<std::int32_t> ParseColorLine(std::string_view line);
// Makes the two colours select exactly one mode, the one the bar shows.
void SelectOneMode(SettingsValues& values);
// The mode the colours select (the "after" word's decides), and the colours of a mode.
ScheduleMode ModeOf(const SettingsValues& values);
void SetMode(SettingsValues& values, ScheduleMode mode);

}  // namespace morvane
