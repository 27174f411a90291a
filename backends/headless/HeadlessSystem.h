// In-memory system services: a clock the test sets, files in a map, and every request to
// the operating system recorded instead of made.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

namespace morvane {

class VirtualClock;

struct ProcessDied {};

class HeadlessSystem : public System {
 public:
  explicit HeadlessSystem(VirtualClock& clock);

  Instant currentInstant() override;
  std::int64_t steadyMilliseconds() override;
  const TimeZone& timeZone() override;
  std::string commandLine() override { return commandLine_; }
  bool claimSingleInstance() override;
  Size primaryScreen() override { return screen_; }
  Point cursorPos() override { return cursor_; }
  void endProcess() override;
  LocaleFormats localeFormats() override { return locale_; }
  std::optional<LocalTime> convertDateTime(std::string_view text, LocalTime now) override;

  std::vector<std::string> settingsFolders() override;
  std::string executableFolder() override { return executableFolder_; }
  std::string joinPath(const std::string& folder, const std::string& name) override { return folder + "\\" + name; }
  void shellOpen(const std::string& verb, const std::string& file) override;

  bool isNormalFile(const std::string& path) override;
  std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
  bool replaceFile(const std::string& path, const std::string& temporary, std::string_view bytes) override;
  bool createDirectory(const std::string& path) override;
  std::optional<std::int64_t> modifiedTime(const std::string& path) override;
  std::vector<std::string> filesStartingWith(const std::string& folder, const std::string& prefix) override;
  bool deleteFile(const std::string& path) override;
  std::string legacyTextToUtf8(std::string_view bytes) override;
  std::string utf8ToLegacyText(std::string_view text) override;
  std::uint32_t processId() override { return processId_; }
  bool morvaneRunning(std::uint32_t id) override { return id == processId_ || runningInstances.count(id) != 0; }

  void keepAwake(bool on) override;
  bool wakeAt(Instant when) override;
  void cancelWake() override;
  SystemResult perform(Action action) override;
  bool offers(Action action) override { return !notOffered.count(action); }

  // What the test sets.
  std::string commandLine_;
  bool anotherInstance_ = false;
  bool instanceCheckFails = false;  // the single-instance check throws
  Size screen_{1024, 768};
  Point cursor_{1000, 700};
  LocaleFormats locale_;
  // The platform's date conversion, when the test stands in for one; otherwise the
  // program's own parser, in the locale above.
  std::function<std::optional<LocalTime>(std::string_view text, LocalTime now)> dateConversion_;
  std::string windowsDirectory_ = "C:\\windows";
  std::string localAppData_ = "C:\\users\\user\\AppData\\Local";
  std::string executableFolder_ = "C:\\Program Files\\Morvane";
  // A step of switching off told to refuse, with the text the system would give.
  std::optional<std::string> privilegeRefusal;
  std::optional<std::string> shutdownRefusal;  // the request's, whichever the action
  std::set<Action> notOffered;                  // what the system says up front it cannot do
  std::set<std::string> readOnlyDirectories;  // writes below these fail
  std::map<std::string, std::string> files;   // path -> bytes
  std::map<std::string, std::int64_t> fileTimes;
  std::set<std::string> directories;
  std::set<std::string> unreadableFiles;  // present, but every read of them fails
  // The next replace writes its temporary file and throws ProcessDied, so that nothing after
  // it runs, as if the process had been killed there.
  bool dieBeforeRename = false;
  // The legacy text encoding, Windows' ANSI code page: UTF-8 itself unless set to Latin-1, where each byte is the character
  // of that number and a character past 255 is written as '?'.
  bool latin1CodePage = false;
  std::uint32_t processId_ = 1000;
  std::set<std::uint32_t> runningInstances;  // of this program, besides this one
  bool refuseWake = false;  // wakes cannot be armed (wake timers off in the power plan)

  // What the program did.
  // Operating-system requests in order: "PowerOff" (shut down), "Restart", "Sleep",
  // "Hibernate", "LogOff", "Lock", "EndProcess", "ShellExecute open ...",
  // "KeepAwake on", "KeepAwake off", "WakeAt <seconds since 1970>", "CancelWake".
  std::vector<std::string> calls;
  std::vector<std::string> skippedSteps;  // the traces of steps skipped on error
  bool keptAwake = false;
  std::optional<Instant> wake;  // the wake armed now
  bool ended = false;
  std::size_t lastReadLimit = 0;

 private:
  VirtualClock& clock_;
  std::int64_t writeCounter_ = 0;
};

}  // namespace morvane
