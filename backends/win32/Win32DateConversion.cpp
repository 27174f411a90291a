// The command line's date form on Windows: the system's own conversion, oleaut32's
// VarDateFromStr in the user's locale, which reads what Windows users write (month names,
// "6pm", the time before the date, the locale's own orders and separators). oleaut32 is
// loaded the first time a command line needs it, and only from the system folder, so a
// plain start stays as small as it was.
#include <windows.h>

#include <oleauto.h>

#include <string>

#include "platform/AutomationDate.h"
#include "backends/win32/SystemLibrary.h"
#include "backends/win32/WideText.h"
#include "backends/win32/Win32System.h"

namespace morvane {

namespace {

using VarDateFromStrFn = HRESULT(WINAPI*)(const OLECHAR*, LCID, ULONG, DATE*);

VarDateFromStrFn SystemConversion() {
  static const auto convert = LibraryFunction<VarDateFromStrFn>(LoadSystemLibrary(L"oleaut32.dll"), "VarDateFromStr");
  return convert;
}

}  // namespace

// A time alone comes back on the conversion's first day, 30 December 1899, and falls on
// today instead. A text with a NUL in it is refused rather than read up to the NUL.
std::optional<LocalTime> Win32System::convertDateTime(std::string_view text, LocalTime now) {
  if (text.find('\0') != std::string_view::npos) return std::nullopt;
  VarDateFromStrFn convert = SystemConversion();
  if (!convert) return std::nullopt;
  std::wstring wide = Widen(text);
  DATE date = 0;
  if (FAILED(convert(wide.c_str(), LOCALE_USER_DEFAULT, 0, &date))) return std::nullopt;
  return LocalTimeFromAutomationDate(date, std::chrono::floor<std::chrono::days>(now));
}

}  // namespace morvane
