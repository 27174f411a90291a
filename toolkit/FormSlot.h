// One program-wide instance of a window, created when first touched.
#pragma once

#include <functional>
#include <memory>

#include "toolkit/Window.h"

namespace morvane {

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

}  // namespace morvane
