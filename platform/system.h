// System services the program takes from the operating system and the process.
// The portable layers see only this; backends/win32 and backends/headless implement it.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Action.h"
#include "platform/TimeZone.h"
#include "platform/geometry.h"

namespace morvane {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The user's locale: how dates and times are written in figures in messages, and read on the
// command line. The defaults write 3/7/2027 9:05:04 AM.
struct LocaleFormats {
  DateOrder order = DateOrder::MonthDayYear;
  std::string dateSeparator = "/";
  bool dayTwoDigits = false;
  bool monthTwoDigits = false;
  bool yearTwoDigits = false;  // else four
  std::string timeSeparator = ":";
  bool twelveHour = true;      // with the designators below; else a 24-hour clock
  bool hourTwoDigits = false;  // minutes and seconds always have two
  bool designatorFirst = false;  // "AM 9:05:04" rather than "9:05:04 AM"
  std::string am = "AM";
  std::string pm = "PM";
};

// What became of a request to the operating system: done, or refused with the system's own
// description of why.
// What the system tells the program of its own accord. Every resume from sleep or hibernation
// is told as Resumed; a person at the computer (a key, the lid, the power button) is told as
// ResumedByPerson as well, after it. ClockChanged: the clock was set or the time zone changed.
enum class SystemEvent : std::uint8_t { Resumed, ResumedByPerson, ClockChanged };

struct SystemResult {
  bool done = true;
  std::string errorText;  // when refused, e.g. "Access is denied."
  explicit operator bool() const { return done; }
  static SystemResult Refused(std::string text) { return {false, std::move(text)}; }
};

class System {
 public:
  virtual ~System() = default;

  // Clock and time zone.
  virtual Instant currentInstant() = 0;
  virtual const TimeZone& timeZone() = 0;  // the system's own rules, daylight saving included
  LocalTime now() { return timeZone().toLocal(currentInstant()); }  // the wall clock
  // Milliseconds from some fixed start that run on through sleep and that no change of the
  // wall clock moves: the wall clock's advance is compared with it to tell a clock set
  // forward or back from a tick that came late.
  virtual std::int64_t steadyMilliseconds() = 0;

  // Process and screen.
  virtual std::string commandLine() = 0;  // the arguments as one string, as handed over
  virtual bool claimSingleInstance() = 0;  // false when another instance already runs
  virtual Size primaryScreen() = 0;         // pixels
  virtual Point cursorPos() = 0;            // screen pixels
  virtual void endProcess() = 0;  // ends at once; headless records it and stops its loop
  virtual LocaleFormats localeFormats() = 0;
  // The platform's own conversion of a date, a time or both, as the user's locale writes
  // them, to a local date and time; a time alone falls on the date of `now`. Nothing when
  // the text does not convert.
  virtual std::optional<LocalTime> convertDateTime(std::string_view text, LocalTime now) = 0;

  // Places and the shell.
  // The folders where the settings may live, most preferred first: the machine's own, shared
  // by its users and there for certain, then this user's own, which is made when first
  // written to. A folder the system cannot name is left out.
  virtual std::vector<std::string> settingsFolders() = 0;
  virtual std::string executableFolder() = 0;
  // The path of `name` in `folder`, written as the system writes paths.
  virtual std::string joinPath(const std::string& folder, const std::string& name) = 0;
  virtual void shellOpen(const std::string& verb, const std::string& file) = 0;

  // Files, as the settings need them. Paths and names are UTF-8.
  virtual bool isNormalFile(const std::string& path) = 0;
  // Nothing when the file cannot be opened or a read fails part way.
  virtual std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) = 0;
  // Writes the bytes to `temporary` (a name beside the target), flushes it and puts it in the
  // target's place, so the target always holds either its old or its new content. The
  // temporary file is gone afterwards unless the process died on the way. False when it
  // could not.
  virtual bool replaceFile(const std::string& path, const std::string& temporary, std::string_view bytes) = 0;
  virtual bool createDirectory(const std::string& path) = 0;  // true when it exists afterwards
  virtual std::optional<std::int64_t> modifiedTime(const std::string& path) = 0;
  // The names (not paths) of the normal files in `folder` whose names begin with `prefix`,
  // compared without regard to case.
  virtual std::vector<std::string> filesStartingWith(const std::string& folder, const std::string& prefix) = 0;
  virtual bool deleteFile(const std::string& path) = 0;
  // The settings file keeps its text in the system's legacy single- or double-byte encoding,
  // as older builds wrote it; these turn such bytes into UTF-8 and back.
  virtual std::string legacyTextToUtf8(std::string_view bytes) = 0;
  virtual std::string utf8ToLegacyText(std::string_view text) = 0;

  // This process and the others, as far as leftover files of theirs need telling apart.
  virtual std::uint32_t processId() = 0;
  // Whether this program runs as process `id`, and not some other program the system has since
  // given the id; true also for a process not ours to look into.
  virtual bool morvaneRunning(std::uint32_t id) = 0;

  // Keeping a moment: the system stays awake (the display may still go dark) while `on`, and
  // wakes from sleep at `when`, if it can, until the wake is cancelled or set anew. False
  // when the wake could not be armed.
  virtual void keepAwake(bool on) = 0;
  virtual bool wakeAt(Instant when) = 0;
  virtual void cancelWake() = 0;

  // Carrying out the schedule's action, planned: shut down (power off), restart and log off
  // close every program without asking; sleep, hibernate and lock leave them be. The shutdown
  // privilege is enabled first where the system has one. The privilege step may fail and the
  // request still be granted; when the request is refused, the result says why, and why the
  // privilege was refused as well.
  virtual SystemResult perform(Action action) = 0;
  // False when the system says before any request that it cannot do the action at all (a
  // machine with no sleep state or no hibernation); true does not promise the request succeeds.
  virtual bool offers(Action action) = 0;
};

// A power-off's result from its two steps: the request's, with the privilege's refusal added
// when both were refused.
SystemResult PowerOffResult(const SystemResult& privilege, const SystemResult& request);

}  // namespace morvane
