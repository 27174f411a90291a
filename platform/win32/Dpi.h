// The screen's and each window's dots per inch, and what depends on them.
#pragma once

#include <windows.h>

namespace morvane {

// Positions on the screen (the cursor, the screen's size, where windows lie) are in units
// of the system's dpi, one scale for the whole desktop; sizes within a window are in units
// of that window's dpi.
int SystemDpi();
int WindowDpi(HWND hwnd);
// The system's cursor size, in pixels, for a window of that dpi.
int CursorSizeFor(int dpi);
// How far a window's frame of that style reaches beyond its client area, in pixels.
RECT FrameFor(DWORD style, DWORD exStyle, int dpi);

}  // namespace morvane
