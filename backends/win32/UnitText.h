// Text in 96-dpi units: where each character goes in the layout the windows were made with,
// and the fonts that draw it at another dpi.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/geometry.h"

namespace morvane {

// Each UTF-16 unit's advance in units, as at 96 dpi, whatever the screen's dpi.
std::vector<int> UnitAdvances(const Font& font, std::wstring_view text);
// A UTF-8 text.
Size UnitTextSize(const Font& font, std::string_view text);
HFONT FontHandleForDpi(const Font& font, int dpi);
// Draws the text at `dpi` with each character where its layout in units puts it, scaled.
void DrawUnitText(HDC dc, POINT topLeft, std::string_view text, const Font& font, Color colour, int dpi);

}  // namespace morvane
