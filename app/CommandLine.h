// The command-line forms StartUp dispatches on, recognised from the lower-cased command text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/AsciiText.h"

#include "platform/system.h"

namespace morvane {

// The text without one pair of double quotes around all of it, as a shell adds them around
// an argument with a space ("2026-12-24 18:00"); any other text comes back unchanged.
std::string_view Unquoted(std::string_view text);

struct CommandLineForm {
  enum class Kind { Empty, Shutdown, After, AtToday, AtDateTime, Invalid };
  Kind kind = Kind::Invalid;
  std::string first, second;  // After and AtToday: characters 1-2 and 4-5, as typed
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;  // AtDateTime
};

// The conversion of a date and/or time text behind the date form: the platform's own.
using DateTimeConversion = std::function<std::optional<LocalTime>(std::string_view text)>;

// The text is taken whole: not trimmed, not split.
CommandLineForm ParseCommandLine(std::string_view loweredText, const DateTimeConversion& convert);

}  // namespace morvane
