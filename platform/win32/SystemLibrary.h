// System libraries loaded on demand, and only from the system folder.
#pragma once

#include <windows.h>

namespace morvane {

// Makes the system folder the only place libraries are looked for; called first thing.
void RestrictLibrarySearch();
// A library such as L"comctl32.dll" from the system folder; null when it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace morvane
