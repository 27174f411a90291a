// The screen's and each window's dots per inch, and what depends on them.
#pragma once

#include <windows.h>

namespace morvane {

// The dpi the session started with, which its fonts were installed for.
int SystemDpi();
// Positions on the screen (the cursor, the screen's size, where windows lie) are in units
// of the primary screen's dpi, one scale for the whole desktop; sizes within a window are
// in units of that window's dpi. The program's windows all live on the primary screen (the
// bar is kept within its width, the others are centred on it), so the two agree.
int ScreenDpi();
void PrimaryScreenDpiChanged(int dpi);
int WindowDpi(HWND hwnd);
// The system's cursor size, in pixels, for a window of that dpi.
int CursorSizeFor(int dpi);
// How far a window's frame of that style reaches beyond its client area, in pixels.
RECT FrameFor(DWORD style, DWORD exStyle, int dpi);

}  // namespace morvane
