// In-memory window and timer peers: they keep what the backend would show (z-order, armed
// timers); the controls' peers are in HeadlessControlPeers.cpp.
#include <algorithm>
#include <stdexcept>

#include "backends/headless/HeadlessSystem.h"
#include "backends/headless/HeadlessToolkit.h"

namespace morvane {

class HeadlessWindowPeer : public WindowPeer {
 public:
  HeadlessWindowPeer(HeadlessToolkit& toolkit, Window& window) : toolkit_(toolkit), window_(window) {
    toolkit_.zOrder_.push_back(&window_);
  }
  // A window that goes takes no more messages: nothing is reported about it any more.
  ~HeadlessWindowPeer() override {
    std::erase(toolkit_.zOrder_, &window_);
    if (toolkit_.activeWindow_ == &window_) toolkit_.activeWindow_ = nullptr;
    if (toolkit_.focusWindow_ == &window_) {
      toolkit_.focusWindow_ = nullptr;
      toolkit_.focusControl_ = nullptr;
    }
    if (toolkit_.pressedWindow_ == &window_) toolkit_.pressedWindow_ = nullptr;
  }
  // Showing a window brings it to the front and activates it; hiding the active one leaves
  // no window of the program active.
  void apply(Prop what) override {
    if (what != Prop::Visible) return;
    if (window_.visible()) {
      BringToFront();
      toolkit_.changeActivation(window_, {ActivationKind::Active});
    } else {
      toolkit_.deactivate(window_);
    }
  }
  void makeTopmost() override { BringToFront(); }
  void beginSystemDrag() override {
    ++toolkit_.systemDrags_;
    if (!toolkit_.drags_.empty()) {
      Point delta = toolkit_.drags_.front();
      toolkit_.drags_.pop_front();
      Rect b = window_.bounds();
      window_.movedBySystem({b.x + delta.x, b.y + delta.y, b.w, b.h});
    }
    // The system's move loop ends when the button comes up.
    toolkit_.buttons_ = toolkit_.buttons_.without(MouseButton::Left);
    if (toolkit_.buttons_.none()) toolkit_.pressedWindow_ = nullptr;
  }
  void activate() override { toolkit_.changeActivation(window_, {ActivationKind::Active}); }
  void focusSelf() override { toolkit_.giveFocus(&window_, nullptr); }

 private:
  // Topmost windows stay in front of the others.
  void BringToFront() {
    auto& z = toolkit_.zOrder_;
    std::erase(z, &window_);
    auto firstPlain = std::find_if(z.begin(), z.end(), [](Window* w) { return !w->topmost(); });
    z.insert(window_.topmost() ? z.begin() : firstPlain, &window_);
  }
  HeadlessToolkit& toolkit_;
  Window& window_;
};

class HeadlessTimerPeer : public TimerPeer {
 public:
  HeadlessTimerPeer(VirtualClock& clock, Timer& timer) : clock_(clock), timer_(timer) { apply(); }
  ~HeadlessTimerPeer() override { clock_.disarm(timer_); }
  // As on the real system, enabling (or changing the interval) starts a fresh interval.
  bool apply() override {
    if (!timer_.running()) {
      clock_.disarm(timer_);
      return true;
    }
    if (clock_.refuseTimers) return false;
    clock_.arm(timer_);
    return true;
  }

 private:
  VirtualClock& clock_;
  Timer& timer_;
};

HeadlessToolkit::HeadlessToolkit(VirtualClock& clock, HeadlessSystem& system) : clock_(clock), system_(system) {
  input().setDoubleClick(kDoubleClickMs, kDoubleClickSize);
}

std::unique_ptr<WindowPeer> HeadlessToolkit::createPeer(Window& window) {
  if (refuseWindows) throw std::runtime_error("the window could not be created");
  return std::make_unique<HeadlessWindowPeer>(*this, window);
}

std::unique_ptr<TimerPeer> HeadlessToolkit::createPeer(Timer& timer) {
  return std::make_unique<HeadlessTimerPeer>(clock_, timer);
}

// A menu is recorded as shown and answered from the script, as a user would answer it.
class HeadlessMenuPeer : public MenuPeer {
 public:
  HeadlessMenuPeer(HeadlessToolkit& toolkit, PopupMenu& menu) : toolkit_(toolkit), menu_(menu) {}
  std::optional<int> track(const Control& anchor) override {
    toolkit_.menusShown_.push_back({menu_.items(), anchor.name()});
    if (toolkit_.menuReplies_.empty()) return std::nullopt;
    std::optional<int> reply = toolkit_.menuReplies_.front();
    toolkit_.menuReplies_.pop_front();
    return reply;
  }

 private:
  HeadlessToolkit& toolkit_;
  PopupMenu& menu_;
};

std::unique_ptr<MenuPeer> HeadlessToolkit::createPeer(PopupMenu& menu) {
  return std::make_unique<HeadlessMenuPeer>(*this, menu);
}

namespace {

Size TextSize(const Font& font, std::string_view text) {
  double scale = font.points / 8.25;
  return {static_cast<int>(6 * scale * static_cast<double>(text.size()) + 0.5), static_cast<int>(13 * scale + 0.5)};
}

}  // namespace

Size HeadlessToolkit::measureText(const Font& font, std::string_view text) { return TextSize(font, text); }

std::vector<std::string> HeadlessToolkit::visibleTexts(const Window& window) const {
  std::vector<std::string> texts;
  for (Control* c : window.controls()) {
    if (c->visible() && !c->text().empty()) texts.push_back(c->text());
  }
  return texts;
}

void HeadlessToolkit::runModal(Window& window) {
  window.show();
  modalsShown_.push_back({window.caption(), visibleTexts(window)});
  if (!modalReplies_.empty()) {
    ModalReply reply = std::move(modalReplies_.front());
    modalReplies_.pop_front();
    dispatch([&] { reply(window); });
  }
  if (window.loaded() && window.visible()) input().closeRequested(window);
  if (window.loaded() && window.visible()) window.hide();
}

}  // namespace morvane
