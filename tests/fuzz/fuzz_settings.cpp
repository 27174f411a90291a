// Any settings file bytes: the lines read, the colours parsed, and what is written reads back the same.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsFile.h"
#include "schedule/ActionText.h"
#include "settings/SettingsText.h"

// The fuzzer's -max_len (tests/fuzz/CMakeLists.txt) is the loader's read limit: every file
// the loader can see is an input here.
static_assert(morvane::kSettingsReadLimit == 65536);

namespace {

using morvane::SettingsValues;

void Check(bool ok, const char* what, std::string_view bytes) {
  if (ok) return;
  std::fprintf(stderr, "settings: %s for %zu bytes starting \"%.*s\"\n", what, bytes.size(),
               static_cast<int>(bytes.size() < 60 ? bytes.size() : 60), bytes.data());
  std::abort();
}

bool Same(const SettingsValues& a, const SettingsValues& b) {
  return a.atHour == b.atHour && a.atMinute == b.atMinute && a.afterHours == b.afterHours && a.afterMinutes == b.afterMinutes &&
         a.afterWordColor == b.afterWordColor && a.atWordColor == b.atWordColor && a.action == b.action;
}

// The lines a text-stream reader sees, found a different way from the reader itself: every line
// ending made one LF, then split; an ending after the last line opens no further line.
std::vector<std::string> Lines(std::string_view bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += bytes[i] == '\r' ? '\n' : bytes[i];
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// A colour is a decimal 32-bit number, signed or not, with spaces and tabs around it.
std::optional<std::int32_t> Colour(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
  // from_chars takes a minus but no plus, and never both.
  if (line[0] == '+') {
    line.remove_prefix(1);
    if (line.empty() || line[0] == '-') return std::nullopt;
  }
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error != std::errc() || end != line.data() + line.size()) return std::nullopt;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The whole input as one colour line, and each of its lines as one.
  Check(morvane::ParseColorLine(bytes) == Colour(bytes), "colour parsed differently", bytes);

  SettingsValues read;
  morvane::ApplySettingsText(bytes, read);
  const std::vector<std::string> lines = Lines(bytes);
  SettingsValues expected;
  std::string* texts[] = {&expected.atHour, &expected.atMinute, &expected.afterHours, &expected.afterMinutes};
  std::int32_t* colours[] = {&expected.afterWordColor, &expected.atWordColor};
  for (std::size_t i = 0; i < lines.size() && i < 6; ++i) {
    if (i < 4) {
      *texts[i] = lines[i];
    } else if (std::optional<std::int32_t> c = Colour(lines[i])) {
      *colours[i - 4] = *c;
    }
  }
  if (lines.size() >= 7) expected.action = morvane::ActionOfWord(lines[6]).value_or(morvane::Action::ShutDown);
  Check(Same(read, expected), "lines read differently", bytes);
  for (const std::string* t : {&read.atHour, &read.atMinute, &read.afterHours, &read.afterMinutes}) {
    Check(!HasLineBreak(*t), "a line break inside a read field", bytes);
  }

  // Loading then makes the colours select one mode, the one the "after" colour shows, and
  // leaves a pair that already does as it is.
  SettingsValues selected = read;
  morvane::SelectOneMode(selected);
  Check(selected.afterWordColor == read.afterWordColor, "the after colour changed", bytes);
  Check((selected.afterWordColor == 0) != (selected.atWordColor == 0), "not exactly one mode", bytes);
  Check((read.afterWordColor == 0) == (read.atWordColor == 0) || selected.atWordColor == read.atWordColor,
        "a pair selecting one mode changed", bytes);

  // What the program writes is six CR LF lines (seven for an action other than shut down) that
  // read back to the very same values, whatever they are read over.
  const std::string written = morvane::FormatSettings(read);
  const std::size_t lineCount = read.action == morvane::Action::ShutDown ? 6 : 7;
  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < written.size(); ++i) crlf += written[i] == '\r' && written[i + 1] == '\n';
  Check(crlf == lineCount && written.size() >= 12 && written.compare(written.size() - 2, 2, "\r\n") == 0 &&
            Lines(written).size() == lineCount,
        "written file is not six CR LF lines, or seven with an action", bytes);
  SettingsValues back{"x", "x", "x", "x", 1, 1, morvane::Action::Lock};
  morvane::ApplySettingsText(written, back);
  Check(Same(back, read), "written values read back differently", bytes);
  Check(morvane::FormatSettings(back) == written, "writing is not stable", bytes);

  // Fields holding line breaks (pasted) must still give as many lines.
  SettingsValues pasted = read;
  pasted.atHour = std::string(bytes.substr(0, 32));
  pasted.afterMinutes = std::string(bytes.substr(bytes.size() / 2, 32));
  Check(Lines(morvane::FormatSettings(pasted)).size() == lineCount, "pasted line breaks shift the lines", bytes);
  return 0;
}
