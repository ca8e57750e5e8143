#pragma once
// System DLLs that are not on the KnownDLLs list are loaded from System32
// only: a file of the same name beside the program (a Downloads folder) or in
// the current folder must never be picked up.
#include <windows.h>

#include "toolkit/Handles.h"

namespace tk {

// First thing at start: limits every later library search of the process to
// System32. The call is resolved at run time (Windows 7 has it only with
// KB2533623); returns false where it is missing or refused.
bool RestrictLibrarySearchToSystem32() noexcept;

// Loads a DLL by its bare file name ("powrprof.dll") from System32; none
// when it is not there.
ModuleHandle LoadSystemLibrary(const wchar_t* fileName) noexcept;

// An export of a loaded module as a typed function pointer; null when
// missing.
template <class Function>
Function GetProc(HMODULE module, const char* name) noexcept {
    static_assert(sizeof(Function) == sizeof(FARPROC), "a pointer to a function");
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
template <class Function>
Function GetProc(const ModuleHandle& module, const char* name) noexcept {
    return module ? GetProc<Function>(module.Get(), name) : nullptr;
}

// Tests: behave as on a Windows 7 without the newer loader functions
// (SetDefaultDllDirectories, LOAD_LIBRARY_SEARCH_*).
void PretendNewerLoaderMissingForTesting(bool missing) noexcept;

} // namespace tk
