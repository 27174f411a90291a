// Dates and times written in figures the way the user's locale writes them: 3/7/2027,
// 07.03.2027, 9:05:04 AM, 09:05:04.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace morvane {

std::string FormatShortDate(std::chrono::year_month_day date, const LocaleFormats& formats);
std::string FormatLongTime(std::chrono::hh_mm_ss<std::chrono::seconds> time, const LocaleFormats& formats);
// The general form: short date, one space, long time.
std::string FormatGeneralDateTime(LocalTime moment, const LocaleFormats& formats);

}  // namespace morvane
