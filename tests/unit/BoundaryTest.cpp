// The Win32 corner stays a corner: no portable source includes the Windows headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

TEST(Boundary, WindowsHeadersOnlyUnderPlatformWin32) {
  namespace fs = std::filesystem;
  const fs::path root = MORVANE_SOURCE_DIR;
  const std::regex include(R"(#\s*include\s*[<"](windows|winuser|wingdi|winbase|shellapi|commctrl)\.h[>"])",
                           std::regex::icase);
  int scanned = 0;
  for (const char* dir : {"app", "schedule", "settings", "ui", "platform"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / dir)) {
      const fs::path& path = entry.path();
      if (!entry.is_regular_file()) continue;
      if (path.extension() != ".cpp" && path.extension() != ".h") continue;
      std::string relative = fs::relative(path, root).generic_string();
      if (relative.rfind("platform/win32/", 0) == 0) continue;
      std::ifstream in(path);
      std::string line;
      ++scanned;
      while (std::getline(in, line)) {
        EXPECT_FALSE(std::regex_search(line, include)) << relative << ": " << line;
      }
    }
  }
  EXPECT_GT(scanned, 10);
}

}  // namespace
