// Paints the message dialog's title strip.
#include "ui/dialogs/TitleStrip.h"

#include "ui/dialogs/PawPrint.h"

namespace morvane {

void PaintTitleStrip(Surface& s) {
  s.fill({0, 0, s.width(), s.height()}, kFaceGreen);
  s.text({5, 2}, "MORVANE", Font{FontRole::Lettering, 8, true, true}, Rgb(0, 0, 0));
}

}  // namespace morvane
