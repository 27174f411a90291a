// The windows are laid out in MS Sans Serif 8 pt at 96 dpi: the bar lays its mode words
// over its schedule line and its fields over the line's blanks, where that font puts them.
// MS Sans Serif is a bitmap face, and a screen of another dpi has it in other sizes whose
// characters are not the 96-dpi ones scaled; the words would drift off the line. So at any
// other dpi text keeps its 96-dpi layout, scaled, and a scalable face draws the characters.
#include "backends/win32/UnitText.h"

#include <array>
#include <climits>

#include "platform/DpiScale.h"
#include "backends/win32/GdiSurface.h"
#include "backends/win32/WideText.h"

namespace morvane {

namespace {

constexpr double kLayoutPoints = 8.25;
// The part Arial plays, MS Sans Serif's scalable look-alike.
constexpr FontRole kLookAlike = FontRole::Lettering;
constexpr int kLayoutHeight = 13;

// MS Sans Serif 8 pt at 96 dpi: the advance of each character from ' ' to '~', in pixels;
// bold adds one to each.
constexpr std::array<int, 95> kLayoutAdvances = {
    3, 3, 5, 7, 6, 8, 6, 2, 3, 3, 4, 6, 3, 3, 3, 5,  // space to /
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3, 6, 6, 6, 6,  // 0 to ?
    11, 7, 7, 7, 8, 7, 6, 8, 8, 3, 5, 7, 6, 9, 8, 8,  // @ to O
    7, 8, 8, 7, 7, 8, 7, 11, 7, 7, 7, 3, 5, 3, 6, 6,  // P to _
    3, 6, 6, 6, 6, 6, 3, 6, 6, 2, 2, 6, 2, 8, 6, 6,   // ` to o
    6, 6, 3, 5, 3, 6, 6, 8, 5, 5, 5, 4, 2, 4, 7,      // p to ~
};

bool IsLayoutFont(const Font& font) {
  return font.role == FontRole::Dialog && font.points == kLayoutPoints && !font.italic;
}

// Any other face is measured at its 96-dpi pixel size: a scalable face's advances at a given
// size in pixels are the same on every screen.
std::vector<int> MeasuredAdvances(const Font& font, std::wstring_view text) {
  std::vector<int> advances(text.size(), 0);
  if (text.empty()) return advances;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (!dc) return advances;
  HGDIOBJ old = SelectObject(dc, FontHandle(font));
  std::vector<INT> ends(text.size());
  INT fit = 0;
  SIZE extent{};
  const int count = static_cast<int>(text.size());
  // Asked to fit any width, so every character's extent is filled in.
  if (GetTextExtentExPointW(dc, text.data(), count, INT_MAX, &fit, ends.data(), &extent) && fit == count) {
    for (std::size_t i = 0; i < text.size(); ++i) advances[i] = ends[i] - (i > 0 ? ends[i - 1] : 0);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return advances;
}

}  // namespace

std::vector<int> UnitAdvances(const Font& font, std::wstring_view text) {
  if (!IsLayoutFont(font)) return MeasuredAdvances(font, text);
  std::vector<int> advances(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c >= L' ' && c <= L'~') {
      advances[i] = kLayoutAdvances[c - ' '] + (font.bold ? 1 : 0);
    } else {
      // Outside the table: as wide as the look-alike draws it.
      Font lookAlike = font;
      lookAlike.role = kLookAlike;
      advances[i] = MeasuredAdvances(lookAlike, text.substr(i, 1)).front();
    }
  }
  return advances;
}

Size UnitTextSize(const Font& font, std::string_view text) {
  int width = 0;
  for (int advance : UnitAdvances(font, Widen(text))) width += advance;
  if (IsLayoutFont(font)) return {width, kLayoutHeight};
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, FontHandle(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return {width, static_cast<int>(metrics.tmHeight)};
}

// MS Sans Serif gives way to Arial, its scalable look-alike, at every dpi but 96.
HFONT FontHandleForDpi(const Font& font, int dpi) {
  if (dpi == kUnitDpi) return FontHandle(font);
  Font scaled = ScaleToDpi(font, dpi);
  if (scaled.role == FontRole::Dialog) scaled.role = kLookAlike;
  return FontHandle(scaled);
}

void DrawUnitText(HDC dc, POINT topLeft, std::string_view utf8, const Font& font, Color colour, int dpi) {
  const std::wstring text = Widen(utf8);
  if (text.empty()) return;
  std::vector<int> units = UnitAdvances(font, text);
  std::vector<INT> advances(text.size());
  int end = 0;
  int previous = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    end += units[i];
    advances[i] = ScaleToDpi(end, dpi) - previous;
    previous = ScaleToDpi(end, dpi);
  }
  HGDIOBJ old = SelectObject(dc, FontHandleForDpi(font, dpi));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRef(colour));
  ExtTextOutW(dc, topLeft.x, topLeft.y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), advances.data());
  SelectObject(dc, old);
}

}  // namespace morvane
