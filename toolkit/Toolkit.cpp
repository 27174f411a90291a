// The book of loaded and retired windows, and the dispatch boundary.
#include "toolkit/Toolkit.h"

#include <algorithm>

#include "platform/SkipOnError.h"
#include "toolkit/Window.h"

namespace morvane {

Toolkit::~Toolkit() = default;

void Toolkit::windowLoaded(Window& window) { loaded_.push_back(&window); }

void Toolkit::windowUnloaded(Window& window) { std::erase(loaded_, &window); }

void Toolkit::retire(std::unique_ptr<Window> window) { retired_.push_back(std::move(window)); }

void Toolkit::releaseRetired() {
  if (depth_ == 0) retired_.clear();
}

// A failing handler must not take the message loop down with it, nor fail unseen: what it
// throws leaves the same trace as a step skipped on error.
void Toolkit::dispatch(const std::function<void()>& handler) noexcept {
  ++depth_;
  SkipOnError([&] { handler(); });
  --depth_;
}

void Toolkit::systemEvent(SystemEvent event) {
  if (systemEvent_) dispatch([&] { systemEvent_(event); });
}

}  // namespace morvane
