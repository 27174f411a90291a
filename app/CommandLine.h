// The command-line forms StartUp dispatches on: nothing, an action to do at once, or a schedule
// (with the action it ends in); anything else is an error.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "platform/AsciiText.h"
#include "platform/system.h"
#include "schedule/Schedule.h"

namespace morvane {

// The text without one pair of double quotes around all of it, as a shell adds them around
// an argument with a space ("2026-12-24 18:00"); any other text comes back unchanged.
std::string_view Unquoted(std::string_view text);

struct CommandLineForm {
  enum class Kind { Empty, ActNow, Schedule, Invalid };
  Kind kind = Kind::Invalid;
  Action action = Action::ShutDown;  // ActNow: what to do at once
  Schedule schedule;                 // Schedule
};

// The conversion of a date and/or time text behind the date form: the platform's own.
using DateTimeConversion = std::function<std::optional<LocalTime>(std::string_view text)>;

// The text as handed over: one pair of quotes around all of it comes off and letters are
// lower-cased; it is not trimmed. An action word may stand alone or before a schedule form,
// one space between, and the schedule form may be quoted on its own.
CommandLineForm ParseCommandLine(std::string_view text, const DateTimeConversion& convert);

}  // namespace morvane
