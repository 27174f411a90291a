// The maker of Morvane, as the bar's button, the about face and the home-page link name it.
#pragma once

namespace morvane {

inline constexpr const char* kMakerShortName = "Quillon";
inline constexpr const char* kMakerHomePage = "https://www.quillon.example/";

}  // namespace morvane
