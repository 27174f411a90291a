// System libraries loaded on demand, and only from the system folder.
#pragma once

#include <windows.h>

namespace morvane {

// Makes the system folder the only place libraries are looked for; called first thing.
void RestrictLibrarySearch();
// A library such as L"comctl32.dll" from the system folder; null when it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The function name of module, typed as Fn; null when the module or the function is missing
// (a call newer than the running system).
template <class Fn>
Fn LibraryFunction(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace morvane
