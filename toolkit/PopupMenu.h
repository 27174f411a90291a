// A popup menu of choices, one of them checked, opened under a control until the user picks
// one or dismisses it. The backend's peer shows it (a real popup menu on Win32).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

class Control;

struct MenuItem {
  std::string text;
  bool checked = false;
};

class PopupMenu;

class MenuPeer {
 public:
  virtual ~MenuPeer() = default;
  // Shows the menu below the anchor and returns the index of the item picked, nothing when
  // the menu was dismissed; the program's timers keep running meanwhile.
  virtual std::optional<int> track(const Control& anchor) = 0;
};

class PopupMenu {
 public:
  explicit PopupMenu(std::vector<MenuItem> items) : items_(std::move(items)) {}
  const std::vector<MenuItem>& items() const { return items_; }
  // Opens under the anchor, through the toolkit of the anchor's window.
  std::optional<int> open(const Control& anchor);

 private:
  std::vector<MenuItem> items_;
};

}  // namespace morvane
