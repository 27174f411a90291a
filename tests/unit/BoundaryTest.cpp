// The Win32 corner stays a corner: no portable source includes the Windows headers, and each
// layer includes only what lies below it.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

// Every line of the C++ sources under `dirs`, backends/win32 aside, is free of `forbidden`;
// with `codeOnly`, what follows a line comment's "//" is not read.
void ExpectNoLineOutsideWin32Matches(std::initializer_list<const char*> dirs, const std::regex& forbidden,
                                     int atLeastFiles, bool codeOnly = false) {
  namespace fs = std::filesystem;
  const fs::path root = MORVANE_SOURCE_DIR;
  int scanned = 0;
  for (const char* dir : dirs) {
    for (const auto& entry : fs::recursive_directory_iterator(root / dir)) {
      const fs::path& path = entry.path();
      if (!entry.is_regular_file()) continue;
      if (path.extension() != ".cpp" && path.extension() != ".h") continue;
      std::string relative = fs::relative(path, root).generic_string();
      if (relative.rfind("backends/win32/", 0) == 0) continue;
      if (relative == "tests/unit/BoundaryTest.cpp") continue;  // it names what it forbids
      std::ifstream in(path);
      std::string line;
      ++scanned;
      while (std::getline(in, line)) {
        const std::string read = codeOnly ? line.substr(0, line.find("//")) : line;
        EXPECT_FALSE(std::regex_search(read, forbidden)) << relative << ": " << line;
      }
    }
  }
  EXPECT_GT(scanned, atLeastFiles);
}

TEST(Boundary, WindowsHeadersOnlyInTheWin32Backend) {
  const std::regex include(R"(#\s*include\s*[<"](windows|winuser|wingdi|winbase|shellapi|commctrl)\.h[>"])",
                           std::regex::icase);
  ExpectNoLineOutsideWin32Matches({"app", "schedule", "settings", "toolkit", "ui", "platform", "backends/headless"}, include, 10);
}

// Window messages, virtual keys and message parameters stay in the Win32 corner too: the
// portable code and its tests speak only of neutral input.
TEST(Boundary, WindowMessagesOnlyInTheWin32Backend) {
  const std::regex win32Word(R"(\b(WM|VK)_[A-Z0-9]|\bW(PARAM)\b)");
  ExpectNoLineOutsideWin32Matches({"app", "schedule", "settings", "toolkit", "ui", "platform", "backends/headless", "tests/unit", "tests/fuzz"},
                                  win32Word, 20);
}

// Nor do its handles, message parameters, timers, window calls and flags under names of their own.
TEST(Boundary, Win32HandlesCallsAndFlagsOnlyInTheWin32Backend) {
  const std::regex win32Word(
      R"(\b(HWND|HDC|HFONT|HBITMAP|HINSTANCE|HANDLE|LPARAM|LRESULT|UINT_PTR|DWORD|SetTimer|KillTimer|)"
      R"(SendMessageW?|PostMessageW?|DefWindowProcW?|CreateWindowExW?|GetMessageW?|DispatchMessageW?|)"
      R"(ExitWindowsEx|GetWindowsDirectoryW?|GetLocaleInfoW?)\b|\b(EWX|MK|GWLP|SWP|WS|LOCALE)_[A-Z])");
  ExpectNoLineOutsideWin32Matches({"app", "schedule", "settings", "toolkit", "ui", "platform", "backends/headless", "tests/unit", "tests/fuzz"},
                                  win32Word, 20, true);
}

// Paths are joined by the backend, which knows the system's separator: no portable source
// starts a string with a backslash to join a folder and a name.
TEST(Boundary, NoBackslashPathJoinsInThePortableLayers) {
  const std::regex backslashJoin(R"re("\\\\)re");
  ExpectNoLineOutsideWin32Matches({"app", "schedule", "settings", "toolkit", "ui", "platform"}, backslashJoin, 20, true);
}

// The layers from the bottom: values and seams; the toolkit and the schedule; the settings and the
// backends; the windows; the program. A backend implements the seams and the toolkit's peers, and
// sees nothing of the schedule, the settings, the windows or the program, nor the other backend.
TEST(Boundary, EachLayerIncludesOnlyTheLayersBelowIt) {
  namespace fs = std::filesystem;
  const std::map<std::string, std::set<std::string>> mayInclude = {
      {"platform", {"platform"}},
      {"schedule", {"platform", "schedule"}},
      {"settings", {"platform", "schedule", "settings"}},
      {"toolkit", {"platform", "toolkit"}},
      {"backends/headless", {"platform", "toolkit", "backends/headless"}},
      {"backends/win32", {"platform", "toolkit", "backends/win32", "resources"}},
      {"ui", {"platform", "schedule", "settings", "toolkit", "ui"}},
      {"app", {"platform", "schedule", "settings", "toolkit", "ui", "app"}},
  };
  // The layer of a path is its longest folder prefix that names one.
  auto layerOf = [&](const std::string& path) {
    std::string layer;
    for (const auto& [folder, allowed] : mayInclude) {
      if (path.rfind(folder + "/", 0) == 0 && folder.size() > layer.size()) layer = folder;
    }
    return layer.empty() ? path.substr(0, path.find('/')) : layer;
  };
  const fs::path root = MORVANE_SOURCE_DIR;
  // Quoted includes, and those in angle brackets that name one of the source folders.
  const std::regex include(R"re(^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>))re");
  int scanned = 0;
  for (const auto& [folder, allowed] : mayInclude) {
    if (!fs::is_directory(root / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const fs::path& path = entry.path();
      if (path.extension() != ".cpp" && path.extension() != ".h") continue;
      const std::string relative = fs::relative(path, root).generic_string();
      ++scanned;
      std::ifstream in(path);
      std::string line;
      std::smatch match;
      while (std::getline(in, line)) {
        if (!std::regex_search(line, match, include)) continue;
        const bool quoted = match[1].matched;
        const std::string included = quoted ? match[1].str() : match[2].str();
        if (!quoted && !fs::is_directory(root / included.substr(0, included.find('/')))) continue;
        EXPECT_TRUE(allowed.count(layerOf(included))) << relative << " includes " << included;
      }
    }
  }
  EXPECT_GT(scanned, 100);
}

// A Windows or macOS checkout keeps one file of two whose paths differ only in case.
TEST(Boundary, NoTwoPathsDifferOnlyInCase) {
  namespace fs = std::filesystem;
  const fs::path root = MORVANE_SOURCE_DIR;
  std::map<std::string, std::string> seen;  // lower-cased path -> path
  auto options = fs::directory_options::skip_permission_denied;
  for (auto it = fs::recursive_directory_iterator(root, options); it != fs::recursive_directory_iterator(); ++it) {
    const std::string name = it->path().filename().string();
    if (it->is_directory() && (name == ".git" || name == "build" || name == "dist" || name == ".cache")) {
      it.disable_recursion_pending();
      continue;
    }
    std::string relative = fs::relative(it->path(), root).generic_string();
    std::string folded = relative;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto [place, added] = seen.emplace(folded, relative);
    EXPECT_TRUE(added) << relative << " and " << place->second << " differ only in case";
  }
  EXPECT_GT(seen.size(), 100u);
}

}  // namespace
