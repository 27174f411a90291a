// Design-time button entries.
#include "ui/dialogs/ButtonDesign.h"

namespace morvane {

std::unique_ptr<PropertyBag> ButtonDesign(std::string caption, const Font& font) {
  return std::make_unique<PropertyBag>(PropertyBag{
      {"Caption", std::move(caption)},
      {"Font", std::make_shared<const Font>(font)},
  });
}

}  // namespace morvane
