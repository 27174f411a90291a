// A whole program on the headless backend started with any command line over any settings file.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <optional>
#include <string_view>

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "backends/headless/HeadlessPlatform.h"
#include "ui/Program.h"
#include "ui/bar/MainBar.h"

namespace {

using namespace std::chrono;
using morvane::HeadlessPlatform;
using morvane::HeadlessSystem;

const morvane::LocalTime kStart = local_days{year{2026} / 12 / 7} + hours{10};
const std::string kSettingsFile = "C:\\windows\\morvane.dll";

void Check(bool ok, const char* what, std::string_view command) {
  if (ok) return;
  std::fprintf(stderr, "startup: %s for command line \"%.*s\"\n", what, static_cast<int>(command.size()),
               command.data());
  std::abort();
}

// The requests that carry out an action, whichever it is.
long Requests(const HeadlessSystem& system) {
  return std::count_if(system.calls.begin(), system.calls.end(), [](const std::string& call) {
    return call == "PowerOff" || call == "Restart" || call == "Sleep" || call == "Hibernate" || call == "LogOff" ||
           call == "Lock";
  });
}

// Nothing is asked of the system once the process has ended.
bool EndsTheCalls(const HeadlessSystem& system) {
  auto end = std::find(system.calls.begin(), system.calls.end(), "EndProcess");
  return end == system.calls.end() || end + 1 == system.calls.end();
}

bool SixOrSevenCrLfLines(const std::string& file) {
  int lines = 0;
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\n') return false;
    if (file[i] == '\r') {
      if (i + 1 >= file.size() || file[i + 1] != '\n') return false;
      ++lines;
      ++i;
    }
  }
  return (lines == 6 || lines == 7) && file.size() >= 2 && file.substr(file.size() - 2) == "\r\n";
}

}  // namespace

// The first line is the command line; whatever follows it is the settings file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  const std::string_view command = input.substr(0, newline);

  HeadlessPlatform platform(kStart);
  HeadlessSystem& system = platform.sys();
  system.commandLine_ = std::string(command);
  if (newline != std::string_view::npos) system.files[kSettingsFile] = std::string(input.substr(newline + 1));
  const std::string before = newline != std::string_view::npos ? system.files[kSettingsFile] : std::string();
  {
    morvane::Program program(platform);
    morvane::StartUp(program);
    const bool actionWord =
        morvane::ParseCommandLine(command, [](std::string_view) -> std::optional<morvane::LocalTime> { return {}; }).kind ==
        morvane::CommandLineForm::Kind::ActNow;
    Check(Requests(system) == (actionWord ? 1 : 0), "action requests right after start", command);
    // The splash opens the bar after a second; a countdown may be running by now.
    platform.tk().advance(1'500);
    Check(Requests(system) <= 1, "more than one action request", command);

    morvane::MainBar* bar = program.existingMainBar();
    if (!system.ended && bar && bar->countdownRunning()) {
      // The moment comes in normal time: the wall clock and the steady count move on together
      // (as across a sleep) to a second before it, and the ticks do the rest. A wall clock set
      // to the moment alone would be a jump, which gives the whole alert first.
      using std::chrono::milliseconds;
      const std::int64_t ahead =
          std::chrono::duration_cast<milliseconds>(bar->moment() - system.currentInstant()).count();
      if (ahead > 1'000) platform.clock.sleep(ahead - 1'000);
      platform.tk().advance(2'000);
      const bool ends = morvane::EndsTheProgram(bar->action());
      Check(Requests(system) == 1 && system.ended == ends, "a passed moment did not act once", command);
    }
    platform.tk().advance(60'000);
    Check(Requests(system) <= 1, "more than one action request", command);
    Check(EndsTheCalls(system), "system calls after the end of the process", command);
  }
  auto file = system.files.find(kSettingsFile);
  if (file != system.files.end() && file->second != before) {
    Check(SixOrSevenCrLfLines(file->second), "the saved settings are not six or seven CR LF lines", command);
  }
  return 0;
}
