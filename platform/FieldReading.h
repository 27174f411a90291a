// Reading the schedule's digit fields as numbers and calendar dates; shared by the checks,
// the shutdown moment and the command line so that all of them read a field the same way.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace morvane {

// The years a date may have: those of the date type the schedule has always used.
constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

std::optional<std::int32_t> FieldValue(std::string_view text);
std::optional<std::int32_t> ReadYear(std::string_view text, std::chrono::year current);
std::optional<std::chrono::year_month_day> CalendarDate(std::int32_t year, std::int32_t month, std::int32_t day);

}  // namespace morvane
