// The toolkit's input decisions, made once for every backend. A backend pushes only neutral
// input: pointer presses, releases and moves; keys and characters; activation and focus
// changes; close requests; the system's double-click settings. This decides the rest: which
// control a press hits, capture, click and double-click, Tab order, access keys and window
// keys, each window's remembered focus, and where activation goes when a modal dialog closes.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/ToolkitTypes.h"
#include "platform/geometry.h"

namespace morvane {

class Control;
class InputEvents;
class Toolkit;
class Window;

class InputRouter {
 public:
  explicit InputRouter(Toolkit& toolkit) : toolkit_(toolkit) {}

  // The pointer, in client units of the window the backend delivered it to; `button` is
  // the one that went down or up, `held` all that are held; `timeMs` a millisecond count.
  void pointerDown(Window& window, Point client, MouseButton button, Modifiers modifiers, std::int64_t timeMs);
  void pointerUp(Window& window, Point client, MouseButton button, Modifiers modifiers);
  void pointerMove(Window& window, Point client, MouseButtons held, Modifiers modifiers);

  // Keys, for the window that has the keyboard. Handled means the backend does nothing more
  // with the key or character; otherwise the system's own handling takes it as it came.
  KeyResult keyDown(Window& window, KeyEvent event);
  KeyResult character(Window& window, char32_t character, Modifiers modifiers);
  void keyUp(Window& window, KeyEvent event);

  void activationChanged(Window& window, Activation activation);
  // A control of the window (or, with none, the window itself) gained or lost the focus.
  void focusChanged(Window& window, Control* control, bool gained);
  void closeRequested(Window& window);
  void setDoubleClick(int timeMs, Size distance);
  // A screen reader pressed the control (its default action): a click, on the same terms as
  // one made with the pointer.
  void invoke(Control& control);

  // Whether input can reach the control now: shown and enabled on a loaded, shown window that
  // is not held by a modal dialog.
  bool reachable(const Control& control) const;

  // A press on the control that begins within `ms` of its window coming on screen is dropped
  // whole, with its moves and release: it was on its way to whatever lay there before.
  void guardAfterShowing(const Control& control, int ms);

  // What the windows ask of it.
  Window* activeWindow() const { return active_; }
  // The window is the active one and not minimized, as its last activation said.
  bool isActive(const Window& window) const { return active_ == &window && !activeMinimized_; }
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
  bool accessKey(Window& window, char32_t character);
  bool windowKey(Window& window, char32_t character, bool menu);
  void raise(const Target& target, void (InputEvents::*notify)(const PointerEvent&), const PointerEvent& event);
  bool tooSoon(const Target& target, std::int64_t timeMs) const;

  Toolkit& toolkit_;
  int doubleClickMs_ = 500;
  Size doubleClickSize_{4, 4};
  MouseButtons buttons_;   // the buttons held, as far as presses and releases tell
  MouseButtons dropped_;   // buttons whose press came too soon, held until released
  struct Guard {
    const Control* control;
    int ms;
  };
  std::vector<Guard> guards_;
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
  bool activeMinimized_ = false;
  std::vector<Modal> modals_;
};

}  // namespace morvane
