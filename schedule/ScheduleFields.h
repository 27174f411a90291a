// The schedule as the main window holds it: seven digit fields and the two mode label colours.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace morvane {

struct ScheduleFields {
  std::string text3;  // at mode: year
  std::string text4;  // at mode: month
  std::string text5;  // at mode: day of the month
  std::string text6;  // at mode: hour of the day
  std::string text7;  // at mode: minute
  std::string text8;  // after mode: hours
  std::string text9;  // after mode: minutes
  Color label3Color = 0;         // "after" label
  Color label4Color = 0x808080;  // "at" label
};

enum class Field { Text3, Text4, Text5, Text6, Text7, Text8, Text9 };

// The two labels are consulted by different operations, so a pair that is not complementary
// (possible only from an edited settings file) shows one mode's fields and checks the other's.
// Yanzheng and NoTime look at the "at" label.
inline bool ChecksAtMode(const ScheduleFields& fields) { return fields.label4Color == 0; }
// IStop and the settings layout look at the "after" label.
inline bool ShowsAfterMode(Color label3Color) { return label3Color == 0; }

}  // namespace morvane
