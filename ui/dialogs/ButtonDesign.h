// The design-time property entries the secondary windows keep for each of their buttons.
#pragma once

#include <memory>
#include <string>

#include "platform/geometry.h"
#include "ui/button/PropertyBag.h"

namespace morvane {

// The "Caption" and "Font" entries a button on one of these windows is restored from. Each
// button gets a font object of its own, as a stored "Font" entry gives it.
std::unique_ptr<PropertyBag> ButtonDesign(std::string caption, const Font& font);

}  // namespace morvane
