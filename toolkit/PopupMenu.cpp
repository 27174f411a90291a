// Opening a popup menu through the backend's peer; an answer outside the items counts as none.
#include "toolkit/PopupMenu.h"

#include "toolkit/Control.h"
#include "toolkit/Toolkit.h"
#include "toolkit/Window.h"

namespace morvane {

std::optional<int> PopupMenu::open(const Control& anchor) {
  std::unique_ptr<MenuPeer> peer = anchor.owner().toolkit().createPeer(*this);
  std::optional<int> picked = peer ? peer->track(anchor) : std::nullopt;
  if (picked && (*picked < 0 || *picked >= static_cast<int>(items_.size()))) return std::nullopt;
  return picked;
}

}  // namespace morvane
