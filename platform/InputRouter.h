// The toolkit's input decisions, made once for every backend. A backend pushes only neutral
// input: pointer presses, releases and moves; keys and characters; activation and focus
// changes; close requests; the system's double-click settings. This decides the rest: which
// control a press hits, capture, Click and double-click, Tab order, access keys and window
// keys, each window's remembered focus, and where activation goes when a modal dialog closes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace morvane {

class Control;
class Toolkit;
class Window;

class InputRouter {
 public:
  explicit InputRouter(Toolkit& toolkit) : toolkit_(toolkit) {}

  // What the backend does with a key after the toolkit: nothing more when handled;
  // otherwise the host's own handling of `code`, which a handler may have changed.
  struct KeyResult {
    bool handled = false;
    int code = 0;
  };

  // The pointer, in client pixels of the window the backend delivered it to; `button` is
  // the one that went down or up, `buttons` all that are held; `timeMs` a millisecond count.
  void pointerDown(Window& window, Point client, int button, int shift, std::int64_t timeMs);
  void pointerUp(Window& window, Point client, int button, int shift);
  void pointerMove(Window& window, Point client, int buttons, int shift);

  // Keys, for the window that has the keyboard; `shift` holds the masks of platform/Keys.h.
  KeyResult keyDown(Window& window, int keyCode, int shift);
  KeyResult character(Window& window, int keyAscii, int shift);
  void keyUp(Window& window, int keyCode, int shift);

  // The window's whole raw activation state: 0 inactive, 1 active, 2 active by a click,
  // with the minimized flag in the high word.
  void activationChanged(Window& window, std::uint32_t state);
  // A control of the window (or, with none, the window itself) gained or lost the focus.
  void focusChanged(Window& window, Control* control, bool gained);
  void closeRequested(Window& window);
  void setDoubleClick(int timeMs, Size distance);
  // A screen reader pressed the control (its default action): a Click, on the same terms as
  // one made with the pointer.
  void invoke(Control& control);

  // Whether input can reach the control now: shown and enabled on a loaded, shown window that
  // is not held by a modal dialog.
  bool reachable(const Control& control) const;

  // What the windows ask of it.
  Window* activeWindow() const { return active_; }
  void beginModal(Window& dialog);
  void endModal(Window& dialog);
  void systemDragStarted();
  void forget(const Window& window);
  void forget(const Control& control);

 private:
  struct Target {
    Window* window = nullptr;
    Control* control = nullptr;
    friend bool operator==(const Target&, const Target&) = default;
  };
  struct Modal {
    Window* dialog;
    Window* owner;
    std::vector<Window*> disabled;
  };

  Target hitTest(Window& window, Point client) const;
  Point localPoint(const Target& target, Point screen) const;
  bool over(const Target& target, Point screen) const;
  Control* keyTarget(Window& window) const;
  void restoreFocus(Window& window, bool activated);
  bool accessKey(Window& window, int keyAscii);
  bool windowKey(Window& window, int keyAscii, bool menu);

  Toolkit& toolkit_;
  int doubleClickMs_ = 500;
  Size doubleClickSize_{4, 4};
  int buttons_ = 0;        // the buttons held, as far as presses and releases tell
  Target capture_;         // where moves and releases go while a button is held
  Target leftPressed_;     // the target of the left press in progress
  bool secondPress_ = false;  // that press is the second of a double-click
  struct LastPress {
    Target target;
    Point screen;
    std::int64_t timeMs = 0;
  };
  LastPress lastLeft_;     // the last left press that may start a double-click
  Window* active_ = nullptr;
  std::vector<Modal> modals_;
};

}  // namespace morvane
