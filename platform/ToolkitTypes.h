// What the toolkit's parts share: change kinds, cursors, alignment, event signatures,
// mouse buttons, and the peer interfaces a backend implements.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/geometry.h"
#include "platform/surface.h"

namespace morvane {

// What changed on a control or window; peers apply just that.
enum class Prop : std::uint8_t {
  Text, Visible, Enabled, Bounds, ForeColor, Font, MaxLength, Selection, Focus, Tooltip, Cursor, Face, Checked,
};

// What a control is to a screen reader.
enum class AccessibleRole : std::uint8_t { StaticText, EditableText, PushButton, RadioButton, Graphic, Separator };

enum class Cursor : std::uint8_t { Default, Hand };
enum class Align : std::uint8_t { Left, Center };

using MouseHandler = std::function<void(int& button, int& shift, float& x, float& y)>;
using KeyHandler = std::function<void(int& keyCode, int& shift)>;
using KeyPressHandler = std::function<void(int& keyAscii)>;

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

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
  virtual void apply() = 0;  // enabled or interval changed
};

}  // namespace morvane
