// Writes and reads the settings lines; a colour is written with a sign place and a trailing space.
#include "settings/SettingsText.h"

#include <limits>

#include "schedule/ActionText.h"

namespace morvane {

namespace {

constexpr int kLineCount = 7;

// A field can only hold a line break if one was pasted into it; written as is, it would
// shift every later line and mix up the values on the next start.
std::string SingleLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r' && c != '\n') out += c;
  }
  return out;
}

std::string ColorText(std::int32_t value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits + " " : " " + digits + " ";
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string FormatSettings(const SettingsValues& values) {
  const char* kEnd = "\r\n";
  return SingleLine(values.atHour) + kEnd + SingleLine(values.atMinute) + kEnd + SingleLine(values.afterHours) + kEnd +
         SingleLine(values.afterMinutes) + kEnd + ColorText(values.afterWordColor) + kEnd + ColorText(values.atWordColor) +
         kEnd + (values.action == Action::ShutDown ? std::string() : ActionWord(values.action) + std::string(kEnd));
}

// Spaces around the number, an optional sign and decimal digits that fit in 32 bits; nothing
// else ("&H80", "1e3", "12abc") is a colour.
std::optional<std::int32_t> ParseColorLine(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  const std::size_t digitsStart = i;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
    magnitude = magnitude * 10 + (line[i++] - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (i == digitsStart) return std::nullopt;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i != line.size()) return std::nullopt;
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// Lines end at CR LF, or at a lone LF or CR, as a text-stream reader ends them; a last line
// without an ending still counts, and once the bytes run out nothing more is read.
void ApplySettingsText(std::string_view bytes, SettingsValues& into) {
  std::string* texts[] = {&into.atHour, &into.atMinute, &into.afterHours, &into.afterMinutes};
  std::int32_t* colors[] = {&into.afterWordColor, &into.atWordColor};
  into.action = Action::ShutDown;
  std::size_t pos = 0;
  for (int line = 0; line < kLineCount && pos < bytes.size(); ++line) {
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view text = bytes.substr(pos, end - pos);
    const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
    pos = end + (crLf ? 2 : 1);
    if (line < 4) {
      *texts[line] = std::string(text);
    } else if (line == 6) {
      into.action = ActionOfWord(text).value_or(Action::ShutDown);
    } else if (std::optional<std::int32_t> color = ParseColorLine(text)) {
      *colors[line - 4] = *color;
    }
  }
}

// A pair that selects both modes or neither (only an edited file holds one) is made to select
// the mode the bar shows: the "after" word's colour decides, and the "at" word's becomes its
// counterpart, so what is shown is what is scheduled and what is saved next.
ScheduleMode ModeOf(const SettingsValues& values) {
  return values.afterWordColor == kSelectedWordColor ? ScheduleMode::After : ScheduleMode::At;
}

void SetMode(SettingsValues& values, ScheduleMode mode) {
  values.afterWordColor = mode == ScheduleMode::After ? kSelectedWordColor : kUnselectedWordColor;
  values.atWordColor = mode == ScheduleMode::At ? kSelectedWordColor : kUnselectedWordColor;
}

void SelectOneMode(SettingsValues& values) {
  const bool showsAfter = values.afterWordColor == kSelectedWordColor;
  const bool checksAt = values.atWordColor == kSelectedWordColor;
  if (showsAfter != checksAt) return;
  values.atWordColor = showsAfter ? kUnselectedWordColor : kSelectedWordColor;
}

}  // namespace morvane
