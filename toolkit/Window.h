// A portable window: created hidden with its controls at load, then its onLoad runs;
// it forwards its changes to its peer and raises its own events.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/InputEvents.h"
#include "toolkit/Timer.h"
#include "toolkit/Toolkit.h"

namespace morvane {

class Window : public InputEvents {
 public:
  enum class Border : std::uint8_t { None, Single };
  enum class StartPosition : std::uint8_t { TopLeft, CenterScreen };

  Window(Toolkit& toolkit, std::string caption, Size client);
  ~Window() override;

  Toolkit& toolkit() const { return toolkit_; }

  // Life: load creates the real window hidden with its controls, then runs onLoad.
  void load(Size screen);
  void unload();
  bool loaded() const { return loaded_; }
  virtual void onLoad() {}
  // The system asked the window to close (Alt+F4, session end): unloads unless overridden.
  virtual void closeRequested();

  void show();
  void hide();
  void showModal();
  bool visible() const { return visible_; }
  bool modal() const { return modal_; }
  // When the window last came on screen, on the clock pointer presses are stamped with.
  std::int64_t shownAtMs() const { return shownAtMs_; }

  const std::string& caption() const { return caption_; }
  Border border() const { return border_; }
  void setBorder(Border border) { border_ = border; }
  void setStartPosition(StartPosition position) { startPosition_ = position; }
  Size clientSize() const { return client_; }
  // Outer rectangle on the screen, in pixels.
  Rect bounds() const { return bounds_; }
  int left() const { return bounds_.x; }
  int top() const { return bounds_.y; }
  int width() const { return bounds_.w; }
  int height() const { return bounds_.h; }
  void setBounds(Rect bounds);
  void setLeft(int left) { setBounds({left, bounds_.y, bounds_.w, bounds_.h}); }
  void setTop(int top) { setBounds({bounds_.x, top, bounds_.w, bounds_.h}); }
  void setHeight(int height);
  Point clientOrigin() const;  // screen position of the client area's top-left

  Color backColor() const { return backColor_; }
  void setBackColor(Color colour) { backColor_ = colour; }
  const FontRef& font() const { return font_; }
  void setFont(FontRef font) { font_ = std::move(font); }
  bool keyPreview() const { return keyPreview_; }
  void setKeyPreview(bool on) { keyPreview_ = on; }
  // The background picture, painted under every control.
  void setFace(FacePainter painter) { face_ = std::move(painter); }
  bool hasFace() const { return static_cast<bool>(face_); }
  void paintFace(Surface& surface) const { face_(surface); }
  void repaint();

  void makeTopmost();
  void beginSystemDrag();
  bool topmost() const { return topmost_; }
  // False while a modal dialog of the program is up: the window takes no input.
  bool inputEnabled() const { return inputEnabled_; }
  void setInputEnabled(bool enabled);

  // Keys the window answers whichever of its controls has the focus: Alt with a letter
  // (either case), or a plain character such as Escape. While `available` says no, the
  // key is left to the focused control as if the window had none.
  struct Shortcut {
    char32_t character;
    bool alt;
    std::function<void()> action;
    std::function<bool()> available;
  };
  void addKey(char32_t character, bool alt, std::function<void()> action, std::function<bool()> available = nullptr);
  const std::vector<Shortcut>& keys() const { return keys_; }

  // The window's context menu, asked for from the keyboard (the context-menu key or Shift+F10)
  // whichever of its controls has the focus.
  void onContextMenu(std::function<void()> handler) { contextMenu_ = std::move(handler); }
  bool hasContextMenu() const { return static_cast<bool>(contextMenu_); }
  void contextMenuRequested() {
    if (contextMenu_) contextMenu_();
  }

  // Activation changes, after the system made them.
  void onActivationChanged(std::function<void(Activation)> handler) { activationChanged_ = std::move(handler); }
  void activationChanged(Activation activation);
  void movedBySystem(Rect bounds) { bounds_ = bounds; }  // the system moved or sized it

  const std::vector<Control*>& controls() const { return controls_; }
  const std::vector<Timer*>& timers() const { return timers_; }
  // The control that has the window's focus, remembered while the window is inactive.
  Control* focused() const { return focused_; }
  void setFocused(Control* control) { focused_ = control; }
  Control* nextTabStop(Control* from, bool backwards) const;
  // Its client area as it stands on the screen, from (0, 0).
  Rect clientRect() const;
  WindowPeer* peer() const { return peer_.get(); }

  // Controls and timers register themselves as they are constructed (tab order).
  void add(Control& control) { controls_.push_back(&control); }
  void add(Timer& timer) { timers_.push_back(&timer); }
  void remove(Control& control);
  void remove(Timer& timer);

 private:
  Toolkit& toolkit_;
  std::string caption_;
  Size client_;
  Rect bounds_;
  Border border_ = Border::None;
  StartPosition startPosition_ = StartPosition::TopLeft;
  Color backColor_ = Rgb(240, 240, 240);
  FontRef font_;
  bool keyPreview_ = false;
  bool loaded_ = false;
  bool visible_ = false;
  std::int64_t shownAtMs_ = 0;
  bool modal_ = false;
  bool topmost_ = false;
  bool inputEnabled_ = true;
  std::vector<Shortcut> keys_;
  FacePainter face_;
  std::function<void(Activation)> activationChanged_;
  std::function<void()> contextMenu_;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  Control* focused_ = nullptr;
  std::unique_ptr<WindowPeer> peer_;
};

}  // namespace morvane
