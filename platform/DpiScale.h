// The program's lengths are written in 96-dpi units; a backend that draws on a denser
// screen scales them to its pixels by these rules, and brings pixels back to units.
#pragma once

#include "platform/geometry.h"

namespace morvane {

constexpr int kUnitDpi = 96;

int ScaleToDpi(int units, int dpi);
int UnscaleFromDpi(int pixels, int dpi);
float UnscaleFromDpi(float pixels, int dpi);
Rect ScaleToDpi(Rect units, int dpi);
// Fonts are sized in points for 96 dpi; the same look at another dpi has more points.
Font ScaleToDpi(const Font& font, int dpi);

}  // namespace morvane
