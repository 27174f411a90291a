// System services the program takes from the operating system and the process.
// The portable layers see only this; platform/win32 and platform/headless implement it.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/geometry.h"

namespace morvane {

using LocalTime = std::chrono::local_seconds;

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The user's locale: how dates are written in messages and read on the command line.
struct LocaleFormats {
  std::string shortDate = "M/d/yyyy";  // Windows picture, e.g. "dd.MM.yyyy"
  std::string longTime = "h:mm:ss tt";
  std::string am = "AM";
  std::string pm = "PM";
  DateOrder order = DateOrder::MonthDayYear;
};

// The version record and token records the shutdown action builds, in their published layouts.
using VersionRecord = std::array<std::uint8_t, 148>;
using TokenPrivilegesRecord = std::array<std::uint8_t, 28>;
using Handle = std::uintptr_t;

class System {
 public:
  virtual ~System() = default;

  // Clock, process and screen.
  virtual LocalTime now() = 0;  // local wall clock, whole seconds
  virtual std::string commandLine() = 0;  // the arguments as one string, as handed over
  virtual bool claimSingleInstance() = 0;  // false when another instance already runs
  virtual Size primaryScreen() = 0;         // pixels
  virtual Point cursorPos() = 0;            // screen pixels
  virtual void endProcess() = 0;  // ends at once; headless records it and stops its loop
  virtual LocaleFormats localeFormats() = 0;

  // Places and the shell.
  virtual std::string windowsDirectory() = 0;  // what GetWindowsDirectoryA reports
  virtual std::string localAppDataDirectory() = 0;
  virtual std::string executableFolder() = 0;
  virtual void shellOpen(const std::string& verb, const std::string& file) = 0;

  // Files, as the settings need them.
  virtual bool isNormalFile(const std::string& path) = 0;
  virtual std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) = 0;
  // Writes a temporary file beside the target, flushes it and puts it in the target's place,
  // so the target always holds either its old or its new content. False when it could not.
  virtual bool replaceFile(const std::string& path, std::string_view bytes) = 0;
  virtual bool createDirectory(const std::string& path) = 0;  // true when it exists afterwards
  virtual std::optional<std::int64_t> modifiedTime(const std::string& path) = 0;

  // The shutdown calls, with the records and values the shutdown action passes.
  virtual void getVersionEx(VersionRecord& record) = 0;
  virtual Handle getCurrentProcess() = 0;
  virtual Handle openProcessToken(Handle process, std::uint32_t desiredAccess) = 0;
  virtual std::uint64_t lookupPrivilegeValue(const std::string& systemName, const std::string& privilege) = 0;
  virtual void adjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivilegesRecord& newState,
                                     std::uint32_t bufferLength, TokenPrivilegesRecord& previousState) = 0;
  virtual void exitWindows(std::uint32_t flags, std::uint32_t reserved) = 0;
};

}  // namespace morvane
