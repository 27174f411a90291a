// The locale-aware conversion of a command-line text to a local date and time.
#pragma once

#include <optional>
#include <string_view>

#include "platform/system.h"

namespace morvane {

// Accepts a date, a time of day, or a date, spaces and a time; a time alone falls on the
// date of now, a date alone at 0:00. Nothing else converts.
std::optional<LocalTime> ConvertDateTime(std::string_view text, LocalTime now, const LocaleFormats& formats);

}  // namespace morvane
