// Labels: a child window of our own class that shows its window's face around its text,
// as transparent labels do.
#include "backends/win32/Win32PaintedPeer.h"
#include "backends/win32/WideText.h"
#include "platform/OffsetSurface.h"
#include "toolkit/Label.h"

namespace morvane {

namespace {

class Win32LabelPeer : public Win32PaintedPeer {
 public:
  Win32LabelPeer(Win32Toolkit& toolkit, Label& label) : Win32PaintedPeer(toolkit, label) {
    create(Win32Toolkit::kLabelClass, 0);
  }

 private:
  void paintOn(BitmapSurface& back, RECT client, ScaledSurface& units) override {
    Window& owner = control_.owner();
    back.surface().fill({0, 0, client.right, client.bottom}, owner.backColor());
    if (owner.hasFace()) {
      Rect b = control_.bounds();
      OffsetSurface under(units, {b.x, b.y}, {b.w, b.h});
      owner.paintFace(under);
    }
    drawText(back.dc(), client, units);
  }

  // At another dpi a line of text goes where its 96-dpi layout puts it, so the words the
  // bar lays over its schedule line still cover theirs; text that wraps is laid out anew.
  void drawText(HDC dc, RECT client, ScaledSurface& units) {
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
};

}  // namespace

std::unique_ptr<ControlPeer> Win32Toolkit::createPeer(Label& label) {
  return std::make_unique<Win32LabelPeer>(*this, label);
}

}  // namespace morvane
