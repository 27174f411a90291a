// System services on Windows.
#pragma once

#include <windows.h>

#include "platform/system.h"
#include "backends/win32/Win32Clock.h"

namespace morvane {

class Win32System : public System {
 public:
  Win32System();
  ~Win32System() override;

  Instant currentInstant() override;  // Win32Clock.cpp
  std::int64_t steadyMilliseconds() override;  // Win32Clock.cpp
  const TimeZone& timeZone() override { return timeZone_; }
  std::string commandLine() override;
  bool claimSingleInstance() override;
  Size primaryScreen() override;
  Point cursorPos() override;
  void endProcess() override;
  LocaleFormats localeFormats() override;
  std::optional<LocalTime> convertDateTime(std::string_view text, LocalTime now) override;  // Win32DateConversion.cpp

  std::vector<std::string> settingsFolders() override;
  std::string executableFolder() override;
  std::string joinPath(const std::string& folder, const std::string& name) override;
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
  std::uint32_t processId() override;
  bool morvaneRunning(std::uint32_t id) override;

  // Win32Wake.cpp
  void keepAwake(bool on) override;
  bool wakeAt(Instant when) override;
  void cancelWake() override;

  // Win32PowerOff.cpp
  SystemResult perform(Action action) override;
  bool offers(Action action) override;

 private:
  Win32TimeZone timeZone_;
  HANDLE instanceMutex_ = nullptr;
  HANDLE wakeTimer_ = nullptr;
};

}  // namespace morvane
