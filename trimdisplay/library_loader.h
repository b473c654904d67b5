// The four library operations the trim display uses for its sound library: the
// platform's own on Windows, and on other platforms our layer over the dynamic loader
// with the same names and meanings.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
using HMODULE = void*;
using FARPROC = void (*)();
using BOOL = int;

// Loads the library (or counts one more use of it) and returns its handle, or null. A
// bare name such as "GaugeSound" means the file libGaugeSound.so, looked for in the
// module's own folder and then through the loader's search (LD_LIBRARY_PATH, the
// system's library folders).
HMODULE LoadLibraryA(const char* name);
// The handle of the library if it is already loaded, without counting a use; else null.
HMODULE GetModuleHandleA(const char* name);
// The address of an exported function, or null.
FARPROC GetProcAddress(HMODULE module, const char* name);
// Gives back one use; the library is unloaded when none is left. Nonzero on success.
BOOL FreeLibrary(HMODULE module);
#endif
