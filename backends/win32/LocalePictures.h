// Windows keeps a locale's date and time formats as pictures ("M/d/yyyy", "HH:mm:ss",
// "tt h:mm:ss"); the program takes them as values. Pure, so native tests read it too.
#pragma once

#include <string_view>

#include "platform/system.h"

namespace morvane {

// Fills in the date's separator and widths from a short-date picture, and the time's clock,
// separator, hour width and designator place from a time picture. Day and month names, eras
// and quoted text have no value of their own: a name counts as two figures, the rest is
// passed over. What a picture does not show keeps its value in `formats`.
void ReadDatePicture(std::string_view picture, LocaleFormats& formats);
void ReadTimePicture(std::string_view picture, LocaleFormats& formats);

}  // namespace morvane
