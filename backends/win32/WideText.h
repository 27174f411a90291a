// UTF-8 inside the program, UTF-16 at the Win32 calls: the conversions between the two,
// and between either and the system's ANSI code page, which the settings file is kept in.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace morvane
