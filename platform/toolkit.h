// The window toolkit: portable windows, controls and timers that hold their own state
// and forward every change to a peer supplied by a backend. The backend turns real input
// into the host notifications below (hostClick, hostMouseMove, ...), which raise the
// container's events with their arguments by reference.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"
#include "platform/surface.h"

namespace morvane {

class Window;
class Control;
class Timer;

// What changed on a control or window; peers apply just that.
enum class Prop : std::uint8_t {
  Text, Visible, Enabled, Bounds, ForeColor, Font, MaxLength, Selection, Focus, Tooltip, Cursor, Face,
};

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
  virtual void apply(Prop what) = 0;
  virtual void makeTopmost() = 0;        // insert after the topmost band, no move, no size
  virtual void beginSystemDrag() = 0;    // release capture, let the system move the window
  virtual void trackActivation() = 0;    // report every activation message to the window
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  virtual void apply() = 0;  // enabled or interval changed
};

// The backend: creates peers, runs message loops and measures text.
class Toolkit {
 public:
  virtual ~Toolkit();
  virtual std::unique_ptr<WindowPeer> createPeer(Window& window) = 0;
  virtual std::unique_ptr<ControlPeer> createPeer(Control& control) = 0;
  virtual std::unique_ptr<TimerPeer> createPeer(Timer& timer) = 0;
  // Shows the window modally and returns once it is unloaded or hidden; timers keep running.
  virtual void runModal(Window& window) = 0;
  virtual Size measureText(const Font& font, std::string_view text) = 0;
  // Runs the program's events until no window is loaded.
  virtual void run() = 0;

  // Book-keeping shared by the backends.
  void windowLoaded(Window& window);
  void windowUnloaded(Window& window);
  int loadedWindowCount() const { return static_cast<int>(loaded_.size()); }
  const std::vector<Window*>& loadedWindows() const { return loaded_; }
  // Keeps an unloaded window object alive until control is back in the outermost loop,
  // since it may be unloaded from inside one of its own handlers.
  void retire(std::unique_ptr<Window> window);
  void releaseRetired();
  int dispatchDepth() const { return depth_; }
  // A modal loop counts as a handler in progress: whoever opened it still holds its window.
  void enterModal() { ++depth_; }
  void leaveModal() { --depth_; }

  // Every host notification enters the portable code through here: nothing thrown by a
  // handler crosses back into the backend.
  void dispatch(const std::function<void()>& handler) noexcept;

 private:
  std::vector<Window*> loaded_;
  std::vector<std::unique_ptr<Window>> retired_;
  int depth_ = 0;
};

class Control {
 public:
  enum class Kind : std::uint8_t { Label, TextField, Line, Picture, Custom };

  Control(Window& owner, Kind kind, std::string name, Rect bounds);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Window& owner() const { return owner_; }

  const std::string& text() const { return text_; }
  void setText(std::string text);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  Rect bounds() const { return bounds_; }
  void setBounds(Rect bounds);
  Color foreColor() const { return foreColor_; }
  void setForeColor(Color colour);
  Color backColor() const { return backColor_; }
  void setBackColor(Color colour) { backColor_ = colour; }
  const FontRef& font() const;  // the window's font unless one was set
  void setFont(FontRef font);
  const std::string& tooltip() const { return tooltip_; }
  void setTooltip(std::string tip);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor);
  Align align() const { return align_; }
  void setAlign(Align align) { align_ = align; }
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) { wordWrap_ = wrap; }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool tabStop) { tabStop_ = tabStop; }

  void setFocus();
  bool hasFocus() const;

  ControlPeer* peer() const { return peer_.get(); }
  Point screenToClient(Point screen) const;

  // Container events.
  std::function<void()> Click;
  MouseHandler MouseDown, MouseMove, MouseUp;
  KeyHandler KeyDown, KeyUp;
  KeyPressHandler KeyPress;

  // Host notifications, called by the backends through Toolkit::dispatch. The defaults
  // raise the container events; a custom control overrides them.
  virtual void hostClick();
  virtual void hostMouseDown(int button, int shift, float x, float y);
  virtual void hostMouseMove(int button, int shift, float x, float y);
  virtual void hostMouseUp(int button, int shift, float x, float y);
  virtual void hostKeyDown(int& keyCode, int& shift);
  virtual void hostKeyPress(int& keyAscii);
  virtual void hostKeyUp(int& keyCode, int& shift);
  virtual void hostAccessKey() {}
  virtual void hostCreated() {}  // peer made, window loading
  virtual void hostResized() {}  // the size changed
  // The user changed the text (typing, pasting) or moved the focus: the model follows
  // without echoing back to the peer.
  void hostTextChanged(std::string text);
  void hostFocusChanged(bool focused);

  // Text fields.
  int maxLength() const { return maxLength_; }
  void setMaxLength(int length);
  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  void setSelection(int start, int length);
  void selectAll() { setSelection(0, static_cast<int>(text_.size())); }
  void hostSelectionChanged(int start, int length) { selStart_ = start; selLength_ = length; }

  // Pictures: the face painter.
  std::function<void(Surface&)> face;
  // Custom controls: where the backend draws the text over the surface.
  Point textOrigin() const { return textOrigin_; }
  void setTextOrigin(Point origin);
  // Text about to be pasted into a text field; the handler may change it.
  std::function<void(std::string& text)> Paste;

  void createPeer(Toolkit& toolkit);
  void destroyPeer();

 protected:
  void changed(Prop what);

 private:
  Window& owner_;
  Kind kind_;
  std::string name_;
  Rect bounds_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  Color foreColor_ = 0;
  Color backColor_ = 0xF0F0F0;
  FontRef font_;
  std::string tooltip_;
  Cursor cursor_ = Cursor::Default;
  Align align_ = Align::Left;
  bool wordWrap_ = false;
  bool tabStop_ = false;
  int maxLength_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
  Point textOrigin_;
  std::unique_ptr<ControlPeer> peer_;
};

class Timer {
 public:
  Timer(Window& owner, int intervalMs, bool enabled);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int interval() const { return interval_; }
  void setInterval(int intervalMs);
  Window& owner() const { return owner_; }
  // Running means enabled on a loaded window.
  bool running() const;

  std::function<void()> Tick;
  void hostTick();

  void createPeer(Toolkit& toolkit);
  void destroyPeer() { peer_.reset(); }

 private:
  Window& owner_;
  int interval_;
  bool enabled_;
  std::unique_ptr<TimerPeer> peer_;
};

class Window {
 public:
  enum class Border : std::uint8_t { None, Single };
  enum class StartPosition : std::uint8_t { TopLeft, CenterScreen };

  Window(Toolkit& toolkit, std::string caption, Size client);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  Toolkit& toolkit() const { return toolkit_; }

  // Life: load creates the real window hidden with its controls, then runs Form_Load.
  void load(Size screen);
  void unload();
  bool loaded() const { return loaded_; }
  virtual void Form_Load() {}
  // The system asked the window to close (Alt+F4, session end): unloads unless overridden.
  virtual void hostCloseRequested();

  void show();
  void hide();
  void showModal();
  bool visible() const { return visible_; }
  bool modal() const { return modal_; }

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
  std::function<void(Surface&)> face;
  void repaint();

  void makeTopmost();
  void beginSystemDrag();
  bool topmost() const { return topmost_; }
  // Activation messages (their whole raw state: 0 inactive, 1 active, 2 click-active,
  // with the minimized flag in the high word) go to the handler, ahead of the window.
  void trackActivation(std::function<void(std::uint32_t state)> handler);
  const std::function<void(std::uint32_t)>& activationHandler() const { return activation_; }

  // Window events.
  std::function<void()> Click;
  MouseHandler MouseDown, MouseMove, MouseUp;
  KeyPressHandler KeyPress;

  // Host notifications.
  virtual void hostClick();
  virtual void hostMouseDown(int button, int shift, float x, float y);
  virtual void hostMouseMove(int button, int shift, float x, float y);
  virtual void hostMouseUp(int button, int shift, float x, float y);
  void hostActivated(std::uint32_t state);
  void hostMoved(Rect bounds) { bounds_ = bounds; }  // the system moved or sized it

  const std::vector<Control*>& controls() const { return controls_; }
  const std::vector<Timer*>& timers() const { return timers_; }
  Control* focused() const { return focused_; }
  void setFocused(Control* control) { focused_ = control; }
  Control* nextTabStop(Control* from, bool backwards) const;
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
  Color backColor_ = 0xF0F0F0;
  FontRef font_;
  bool keyPreview_ = false;
  bool loaded_ = false;
  bool visible_ = false;
  bool modal_ = false;
  bool topmost_ = false;
  std::function<void(std::uint32_t)> activation_;
  std::vector<Control*> controls_;
  std::vector<Timer*> timers_;
  Control* focused_ = nullptr;
  std::unique_ptr<WindowPeer> peer_;
};

// One program-wide instance of a window: created and loaded the first time it is touched,
// created afresh when touched after it was unloaded.
template <class W>
class FormSlot {
 public:
  using Factory = std::function<std::unique_ptr<W>()>;
  FormSlot(Toolkit& toolkit, std::function<Size()> screen, Factory factory)
      : toolkit_(toolkit), screen_(std::move(screen)), factory_(std::move(factory)) {}

  W& operator()() {
    if (!current_ || !current_->loaded()) {
      if (current_) toolkit_.retire(std::move(current_));
      current_ = factory_();
      current_->load(screen_());
    }
    return *current_;
  }
  // The loaded instance, or null; never creates one.
  W* existing() const { return current_ && current_->loaded() ? current_.get() : nullptr; }

 private:
  Toolkit& toolkit_;
  std::function<Size()> screen_;
  Factory factory_;
  std::unique_ptr<W> current_;
};

// Runs one step of a routine whose failing steps are skipped: whatever it throws is dropped.
template <class F>
void SkipOnError(F&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace morvane
