// GDI drawing for faces, skins and captions.
#include "backends/win32/GdiSurface.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "backends/win32/WideText.h"
#include "backends/win32/UnitText.h"

namespace morvane {

namespace {

// A DIB wants BGRX rows, bottom-up unless the height is negative.
struct DibPixels {
  BITMAPINFO info{};
  std::vector<DWORD> bits;
};

const DibPixels& DibOf(const Image& image) {
  static std::map<const Image*, DibPixels> cache;
  auto it = cache.find(&image);
  if (it != cache.end() && it->second.bits.size() == image.pixels.size()) return it->second;
  DibPixels& dib = cache[&image];
  dib.info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  dib.info.bmiHeader.biWidth = image.width;
  dib.info.bmiHeader.biHeight = -image.height;
  dib.info.bmiHeader.biPlanes = 1;
  dib.info.bmiHeader.biBitCount = 32;
  dib.info.bmiHeader.biCompression = BI_RGB;
  dib.bits.resize(image.pixels.size());
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    Color c = image.pixels[i];
    dib.bits[i] = static_cast<DWORD>(c.red << 16 | c.green << 8 | c.blue);
  }
  return dib;
}

struct FontKey {
  Font font;
  bool operator<(const FontKey& o) const {
    return std::tie(font.role, font.points, font.bold, font.italic) <
           std::tie(o.font.role, o.font.points, o.font.bold, o.font.italic);
  }
};

// The face that plays each part, and the character set it is asked for in.
struct FaceName {
  const wchar_t* name;
  DWORD charset;
};

FaceName FaceFor(const Font& font) {
  switch (font.role) {
    case FontRole::Lettering:
      return {L"Arial", ANSI_CHARSET};
    case FontRole::Message:
      // SimSun under its English face name, which Windows resolves on every locale; the
      // program's texts are single-byte, so the name is not written in its GB2312 form.
      return {L"SimSun", GB2312_CHARSET};
    case FontRole::Dialog:
      break;
  }
  // MS Sans Serif is a bitmap face made in small sizes; where a system lacks a large size
  // (Wine draws its 24 pt as small, gapped digits) Arial, its scalable look-alike, stands in.
  return {font.points > 14 ? L"Arial" : L"MS Sans Serif", ANSI_CHARSET};
}

}  // namespace

HFONT FontHandle(const Font& font) {
  static std::map<FontKey, HFONT> fonts;
  auto it = fonts.find({font});
  if (it != fonts.end()) return it->second;
  // The windows are laid out in pixels, so their fonts are sized for 96 dpi whatever the screen.
  constexpr double kDpi = 96.0;
  int height = -static_cast<int>(std::lround(font.points * kDpi / 72.0));
  const FaceName face = FaceFor(font);
  HFONT handle = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                             face.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face.name);
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts[{font}] = handle;
  return handle;
}

void GdiSurface::stretchCopy(const Image& image, Rect source, Rect destination) {
  if (destination.w <= 0 || destination.h <= 0 || source.w <= 0 || source.h <= 0) return;
  const DibPixels& dib = DibOf(image);
  SetStretchBltMode(dc_, COLORONCOLOR);
  // StretchDIBits counts source rows from the bottom for a top-down DIB's y as well.
  StretchDIBits(dc_, destination.x, destination.y, destination.w, destination.h, source.x,
                image.height - source.y - source.h, source.w, source.h, dib.bits.data(), &dib.info,
                DIB_RGB_COLORS, SRCCOPY);
}

void GdiSurface::fill(Rect area, Color colour) {
  if (area.w <= 0 || area.h <= 0) return;
  RECT r{area.x, area.y, area.x + area.w, area.y + area.h};
  HBRUSH brush = CreateSolidBrush(ColorRef(colour));
  FillRect(dc_, &r, brush);
  DeleteObject(brush);
}

void GdiSurface::line(Point from, Point to, Color colour) {
  HPEN pen = CreatePen(PS_SOLID, 1, ColorRef(colour));
  HGDIOBJ old = SelectObject(dc_, pen);
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
  SelectObject(dc_, old);
  DeleteObject(pen);
}

void GdiSurface::ellipse(Rect bounds, Color colour) {
  HBRUSH brush = CreateSolidBrush(ColorRef(colour));
  HGDIOBJ oldBrush = SelectObject(dc_, brush);
  HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(NULL_PEN));
  // With a null pen GDI leaves the right and bottom edge out; one more pixel evens it.
  Ellipse(dc_, bounds.x, bounds.y, bounds.x + bounds.w + 1, bounds.y + bounds.h + 1);
  SelectObject(dc_, oldPen);
  SelectObject(dc_, oldBrush);
  DeleteObject(brush);
}

void GdiSurface::text(Point topLeft, std::string_view text, const Font& font, Color colour) {
  HGDIOBJ old = SelectObject(dc_, FontHandle(font));
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, ColorRef(colour));
  const std::wstring wide = Widen(text);
  TextOutW(dc_, topLeft.x, topLeft.y, wide.c_str(), static_cast<int>(wide.size()));
  SelectObject(dc_, old);
}

void GdiSurface::scaledText(Point topLeft, std::string_view text, const Font& font, Color colour, int dpi) {
  DrawUnitText(dc_, {topLeft.x, topLeft.y}, text, font, colour, dpi);
}

BitmapSurface::BitmapSurface(int width, int height)
    : dc_(nullptr), bitmap_(nullptr), previous_(nullptr), surface_(nullptr, width, height) {
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width > 0 ? width : 1, height > 0 ? height : 1);
  ReleaseDC(nullptr, screen);
  // The destructor does not run when the constructor throws: whichever half was made goes
  // back here, or every paint that fails would leak it.
  if (!dc_ || !bitmap_) {
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
    throw std::runtime_error("no memory for an off-screen bitmap");
  }
  previous_ = SelectObject(dc_, bitmap_);
  surface_ = GdiSurface(dc_, width, height);
}

BitmapSurface::~BitmapSurface() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void BitmapSurface::copyTo(HDC target, int x, int y) const {
  BitBlt(target, x, y, width(), height(), dc_, 0, 0, SRCCOPY);
}

void PaintThroughBackBuffer(HWND hwnd, const std::function<void(BitmapSurface& back, RECT client)>& draw) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  try {
    BitmapSurface back(client.right, client.bottom);
    draw(back, client);
    back.copyTo(dc, 0, 0);
  } catch (...) {
    // Out of GDI memory: skip this paint.
  }
  EndPaint(hwnd, &ps);
}

}  // namespace morvane
