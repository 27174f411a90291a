// Labels, lines, pictures and the custom button: child windows of our own classes that
// paint themselves. Labels show the window's face around their text, as transparent labels
// do; a custom control keeps its face on a bitmap and draws its caption over it.
#include <windows.h>

#include "platform/OffsetSurface.h"
#include "backends/win32/GdiSurface.h"
#include "backends/win32/Win32Accessible.h"
#include "backends/win32/Win32Peers.h"
#include "backends/win32/WideText.h"

namespace morvane {

class Win32DrawnPeer : public Win32ControlPeerBase {
 public:
  Win32DrawnPeer(Win32Toolkit& toolkit, Control& control) : Win32ControlPeerBase(toolkit, control) {
    const wchar_t* cls = Win32Toolkit::kLabelClass;
    switch (control.kind()) {
      case Control::Kind::Line: cls = Win32Toolkit::kLineClass; break;
      case Control::Kind::Picture: cls = Win32Toolkit::kPictureClass; break;
      case Control::Kind::Custom: cls = Win32Toolkit::kButtonClass; break;
      default: break;
    }
    if (control.kind() == Control::Kind::Custom) resizeFace();
    create(cls, 0);
  }

  Surface* surface() override { return faceUnits_.get(); }
  void present() override { InvalidateRect(hwnd_, nullptr, FALSE); }

  void apply(Prop what) override {
    if (what == Prop::Bounds && control_.kind() == Control::Kind::Custom) resizeFace();
    Win32ControlPeerBase::apply(what);
  }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (IsPointerMessage(message)) {
      relayToTooltip(message, wParam, lParam);
      PushPointer(toolkit_, control_.owner(), hwnd_, message, wParam, lParam, true);
      return 0;
    }
    switch (message) {
      case WM_PAINT:
        paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_SETCURSOR:
        if (setCursor()) return TRUE;
        break;
      case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR: case WM_SYSCHAR: case WM_KEYUP: case WM_SYSKEYUP:
        return DefaultKeyMessage(toolkit_, control_.owner(), hwnd_, alive_, message, wParam, lParam);
      case WM_SETFOCUS: case WM_KILLFOCUS:
        toolkit_.input().focusChanged(control_.owner(), &control_, message == WM_SETFOCUS);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
      case WM_GETOBJECT:
        if (auto answer = AnswerGetObject(hwnd_, wParam, lParam)) return *answer;
        break;
      case kAccessibleDefaultAction:
        toolkit_.input().invoke(control_);
        return 0;
      default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
  }

 private:
  // The face is kept in pixels and painted in units.
  void resizeFace() {
    Rect b = control_.bounds();
    Rect pixels = ScaleToDpi(b, dpi());
    if (!face_ || face_->width() != pixels.w || face_->height() != pixels.h) {
      face_ = std::make_unique<BitmapSurface>(pixels.w, pixels.h);
      face_->surface().fill({0, 0, pixels.w, pixels.h}, control_.owner().backColor());
    }
    faceUnits_ = std::make_unique<ScaledSurface>(face_->surface(), dpi(), Point{b.x, b.y}, Size{b.w, b.h});
  }

  // Labels and lines show the window's face around their text, like transparent labels.
  void paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    try {
      BitmapSurface back(client.right, client.bottom);
      GdiSurface& s = back.surface();
      Rect b = control_.bounds();
      Window& owner = control_.owner();
      ScaledSurface units(s, dpi(), {b.x, b.y}, {b.w, b.h});
      switch (control_.kind()) {
        case Control::Kind::Line:
          s.fill({0, 0, client.right, client.bottom}, control_.foreColor());
          break;
        case Control::Kind::Picture:
          s.fill({0, 0, client.right, client.bottom}, owner.backColor());
          if (control_.hasFace()) control_.paintFace(units);
          break;
        case Control::Kind::Custom:
          if (face_) face_->copyTo(back.dc(), 0, 0);
          units.text(control_.textOrigin(), control_.text(), *control_.font(), control_.foreColor());
          break;
        default: {
          s.fill({0, 0, client.right, client.bottom}, owner.backColor());
          if (owner.hasFace()) {
            OffsetSurface under(units, {b.x, b.y}, {b.w, b.h});
            owner.paintFace(under);
          }
          drawLabelText(back.dc(), client, units);
          break;
        }
      }
      back.copyTo(dc, 0, 0);
    } catch (...) {
      // Out of GDI memory: skip this paint.
    }
    EndPaint(hwnd_, &ps);
  }

  // At another dpi a line of text goes where its 96-dpi layout puts it, so the words the
  // bar lays over its schedule line still cover theirs; text that wraps is laid out anew.
  void drawLabelText(HDC dc, RECT client, ScaledSurface& units) {
    const std::string& text = control_.text();
    if (dpi() != kUnitDpi && text.find_first_of("\r\n") == std::string::npos) {
      const Size size = toolkit_.measureText(*control_.font(), text);
      const int width = control_.bounds().w;
      if (size.w <= width || text.find(' ') == std::string::npos) {
        const int left = control_.align() == Align::Center  ? (width - size.w) / 2
                         : control_.align() == Align::Right ? width - size.w
                                                            : 0;
        units.text({left, 0}, text, *control_.font(), control_.foreColor());
        return;
      }
    }
    HGDIOBJ old = SelectObject(dc, fontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(control_.foreColor()));
    UINT format = DT_NOPREFIX | DT_WORDBREAK;
    if (control_.align() == Align::Center) format |= DT_CENTER;
    if (control_.align() == Align::Right) format |= DT_RIGHT;
    const std::wstring wide = Widen(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &client, format);
    SelectObject(dc, old);
  }

  std::unique_ptr<BitmapSurface> face_;
  std::unique_ptr<ScaledSurface> faceUnits_;
};

std::unique_ptr<ControlPeer> MakeDrawnPeer(Win32Toolkit& toolkit, Control& control) {
  return std::make_unique<Win32DrawnPeer>(toolkit, control);
}

}  // namespace morvane
