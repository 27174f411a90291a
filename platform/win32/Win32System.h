// System services on Windows.
#pragma once

#include <windows.h>

#include "platform/system.h"

namespace morvane {

class Win32System : public System {
 public:
  Win32System();
  ~Win32System() override;

  LocalTime now() override;
  std::string commandLine() override;
  bool claimSingleInstance() override;
  Size primaryScreen() override;
  Point cursorPos() override;
  void endProcess() override;
  LocaleFormats localeFormats() override;

  std::string windowsDirectory() override;
  std::string localAppDataDirectory() override;
  std::string executableFolder() override;
  void shellOpen(const std::string& verb, const std::string& file) override;

  bool isNormalFile(const std::string& path) override;
  std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) override;
  bool replaceFile(const std::string& path, std::string_view bytes) override;
  bool createDirectory(const std::string& path) override;
  std::optional<std::int64_t> modifiedTime(const std::string& path) override;

  void getVersionEx(VersionRecord& record) override;
  Handle getCurrentProcess() override;
  Handle openProcessToken(Handle process, std::uint32_t desiredAccess) override;
  std::uint64_t lookupPrivilegeValue(const std::string& systemName, const std::string& privilege) override;
  void adjustTokenPrivileges(Handle token, bool disableAll, const TokenPrivilegesRecord& newState,
                             std::uint32_t bufferLength, TokenPrivilegesRecord& previousState) override;
  void exitWindows(std::uint32_t flags, std::uint32_t reserved) override;

 private:
  HANDLE instanceMutex_ = nullptr;
};

}  // namespace morvane
