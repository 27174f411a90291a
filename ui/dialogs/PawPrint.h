// A paw print and the colours the drawn faces of the secondary windows share.
#pragma once

#include "platform/geometry.h"
#include "platform/surface.h"

namespace morvane {

constexpr Color kFaceGreen = Rgb(188, 225, 141);   // title and bottom strips
constexpr Color kFaceGrey = Rgb(224, 224, 224);    // the alert and dialog face
constexpr Color kRuleGrey = Rgb(160, 160, 160);
constexpr Color kLetterGrey = Rgb(128, 128, 128);
constexpr Color kPawGreen = Rgb(122, 168, 78);     // small prints on a green strip
constexpr Color kPalePawGreen = Rgb(212, 232, 188);
constexpr Color kPalePawGrey = Rgb(214, 214, 214);

// A paw print that fits a size x size square centred on `centre`: a pad below four toes.
void PawPrint(Surface& surface, Point centre, int size, Color colour);

}  // namespace morvane
