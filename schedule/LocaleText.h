// Dates and times written the way the user's locale writes them, from Windows date and
// time pictures ("M/d/yyyy", "dd.MM.yyyy", "h:mm:ss tt", "HH:mm:ss").
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
