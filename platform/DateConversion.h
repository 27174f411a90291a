// A portable, locale-aware conversion of a command-line text to a local date and time: the
// date form's conversion where the platform has none of its own (the headless backend).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/system.h"

namespace morvane {

// Longer texts are no date anyone types; refusing them before any conversion keeps the work
// bounded.
constexpr std::size_t kMaxDateTextLength = 64;

// Accepts a date, a time of day, or a date, spaces and a time; a time alone falls on the
// date of now, a date alone at 0:00. Nothing else converts.
std::optional<LocalTime> ConvertDateTime(std::string_view text, LocalTime now, const LocaleFormats& formats);

}  // namespace morvane
