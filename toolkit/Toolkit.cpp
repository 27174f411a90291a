// The book of loaded and retired windows, and the dispatch boundary.
#include "toolkit/Toolkit.h"

#include <algorithm>

#include "toolkit/Window.h"

namespace morvane {

Toolkit::~Toolkit() = default;

void Toolkit::windowLoaded(Window& window) { loaded_.push_back(&window); }

void Toolkit::windowUnloaded(Window& window) { std::erase(loaded_, &window); }

void Toolkit::retire(std::unique_ptr<Window> window) { retired_.push_back(std::move(window)); }

void Toolkit::releaseRetired() {
  if (depth_ == 0) retired_.clear();
}

void Toolkit::dispatch(const std::function<void()>& handler) noexcept {
  ++depth_;
  try {
    handler();
  } catch (...) {
    // A failing handler must not take the message loop down with it.
  }
  --depth_;
}

}  // namespace morvane
