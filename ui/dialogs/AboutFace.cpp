// Paints the about window's face: paw prints, the maker's logo, the name, version and address.
#include "ui/dialogs/AboutFace.h"

#include <cctype>

#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/PawPrint.h"

namespace morvane {

namespace {
constexpr Color kBackground = Rgb(238, 238, 238);
constexpr Color kSmallCaps = Rgb(96, 96, 96);

void MakerLogo(Surface& s) {
  s.ellipse({296, 12, 30, 30}, kPawGreen);
  PawPrint(s, {311, 27}, 20, Rgb(255, 255, 255));
  s.text({332, 19}, kMakerShortName, Font{FontRole::Lettering, 10, true}, Rgb(64, 64, 64));
}
}  // namespace

std::string PrintedAddress(std::string_view address) {
  for (std::string_view scheme : {"https://", "http://"}) {
    if (address.starts_with(scheme)) address.remove_prefix(scheme.size());
  }
  while (address.ends_with('/')) address.remove_suffix(1);
  std::string printed(address);
  for (char& c : printed) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return printed;
}

void PaintAboutFace(Surface& s) {
  s.fill({0, 0, kAboutFaceSize.w, kAboutFaceSize.h}, kBackground);
  PawPrint(s, {92, 96}, 150, kPalePawGreen);
  PawPrint(s, {318, 190}, 120, kPalePawGrey);
  PawPrint(s, {196, 236}, 54, kPalePawGreen);
  MakerLogo(s);

  s.text({64, 118}, "Morvane", Font{FontRole::Lettering, 36, true, true}, Rgb(0, 0, 0));

  const Font smallCaps{FontRole::Lettering, 7};
  s.text({16, 256}, "VERSION: 4.00", smallCaps, kSmallCaps);
  s.text({16, 272}, PrintedAddress(kMakerHomePage), smallCaps, kSmallCaps);
  s.fill({232, 284, kAboutFaceSize.w - 232, 16}, kFaceGreen);
}

}  // namespace morvane
