// The five skin images of the button, one per look, kept in the source as palette rows.
#pragma once

#include "platform/image.h"
#include "ui/button/ButtonLook.h"

namespace morvane {

// Every skin shares one layout, which the nine-slice painting relies on: a 3-pixel border
// band on each side (the outer frame and a 2-pixel inner band) around a middle that holds
// only face colour.
constexpr int kSkinWidth = 18;
constexpr int kSkinHeight = 21;
constexpr int kSkinBorder = 3;

// Throws std::out_of_range for a value that names no look.
const Image& ButtonSkin(ButtonLook look);

}  // namespace morvane
