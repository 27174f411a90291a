// What the toolkit's parts share: change kinds, cursors, alignment, the input events as
// values, activation, and the peer interfaces a backend implements.
#pragma once

#include <cstdint>
#include <functional>

#include "toolkit/Keys.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace morvane {

// What changed on a control or window; peers apply just that.
enum class Prop : std::uint8_t {
  Text, Visible, Enabled, Bounds, ForeColor, Font, MaxLength, Selection, Focus, Tooltip, Cursor, Face, Checked,
};

// What a control is to a screen reader.
enum class AccessibleRole : std::uint8_t {
  StaticText, EditableText, PushButton, RadioButton, Graphic, Separator,
  MenuButton,  // a button that opens a menu
};

enum class Cursor : std::uint8_t { Default, Hand };
enum class Align : std::uint8_t { Left, Center, Right };

enum class MouseButton : std::uint8_t { None = 0, Left = 1, Right = 2, Middle = 4 };

// The mouse buttons held at once.
class MouseButtons {
 public:
  constexpr MouseButtons() = default;
  constexpr MouseButtons(MouseButton button) : bits_(static_cast<std::uint8_t>(button)) {}
  constexpr bool has(MouseButton button) const { return (bits_ & static_cast<std::uint8_t>(button)) != 0; }
  constexpr bool none() const { return bits_ == 0; }
  constexpr bool only(MouseButton button) const { return bits_ == static_cast<std::uint8_t>(button); }
  constexpr MouseButtons with(MouseButton button) const { return fromBits(bits_ | static_cast<std::uint8_t>(button)); }
  constexpr MouseButtons without(MouseButton button) const {
    return fromBits(bits_ & ~static_cast<std::uint8_t>(button));
  }
  friend constexpr MouseButtons operator|(MouseButtons a, MouseButtons b) { return fromBits(a.bits_ | b.bits_); }
  friend constexpr bool operator==(MouseButtons, MouseButtons) = default;

 private:
  static constexpr MouseButtons fromBits(int bits) {
    MouseButtons b;
    b.bits_ = static_cast<std::uint8_t>(bits);
    return b;
  }
  std::uint8_t bits_ = 0;
};

constexpr MouseButtons operator|(MouseButton a, MouseButton b) { return MouseButtons(a) | MouseButtons(b); }

// A press, release or move of the pointer. `position` is in 96-dpi units from the top-left
// of the control (or the window's client area) that gets the event; `button` is the one that
// went down or up (none for a move); `held` all buttons held after the event.
struct PointerEvent {
  Point position;
  MouseButton button = MouseButton::None;
  MouseButtons held;
  Modifiers modifiers;
};

struct KeyEvent {
  Key key = Key::Unknown;
  Modifiers modifiers;
};

// What a key or character handler did with it: a handled one goes no further, neither to
// the next handler nor to the system's own handling (an edit control's typing).
enum class KeyResult : std::uint8_t { Ignored, Handled };

// How a window's activation changed; a window may be activated while minimized.
enum class ActivationKind : std::uint8_t { Inactive, Active, ActiveByClick };
struct Activation {
  ActivationKind kind = ActivationKind::Inactive;
  bool minimized = false;
  constexpr bool active() const { return kind != ActivationKind::Inactive; }
};

using PointerHandler = std::function<void(const PointerEvent&)>;
using KeyHandler = std::function<KeyResult(const KeyEvent&)>;
using KeyReleaseHandler = std::function<void(const KeyEvent&)>;
using CharacterHandler = std::function<KeyResult(char32_t)>;
using FacePainter = std::function<void(Surface&)>;

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void apply(Prop what) = 0;
  virtual Point screenToClient(Point screen) = 0;
  // Custom-drawn controls keep what was drawn on a surface of their own and show it on
  // every repaint; other controls have none.
  virtual Surface* surface() { return nullptr; }
  virtual void present() {}  // show what was drawn on the surface
};

class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual void apply(Prop what) = 0;     // Enabled: whether the window takes input
  virtual void makeTopmost() = 0;        // insert after the topmost band, no move, no size
  virtual void beginSystemDrag() = 0;    // release capture, let the system move the window
  virtual void activate() = 0;           // make it the active window
  virtual void focusSelf() = 0;          // the keyboard to the window itself, no control
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  // Enabled or interval changed; false when the system refused to run the timer.
  virtual bool apply() = 0;
};

}  // namespace morvane
