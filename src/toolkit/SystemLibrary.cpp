#include "toolkit/SystemLibrary.h"

#include <atomic>
#include <string>

namespace tk {
namespace {

std::atomic<bool> pretendMissing{false};

using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);

// kernel32 is mapped into every process, so no load (and no search) is needed.
SetDefaultDllDirectoriesProc FindSetDefaultDllDirectories() noexcept {
    if (pretendMissing) return nullptr;
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel ? GetProc<SetDefaultDllDirectoriesProc>(kernel, "SetDefaultDllDirectories") : nullptr;
}

// Where SetDefaultDllDirectories exists, LoadLibraryExW knows the search flags too.
bool HasSearchFlags() noexcept { return FindSetDefaultDllDirectories() != nullptr; }

std::wstring System32Path(const wchar_t* fileName) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring path(folder, length);
    if (path.back() != L'\\') path += L'\\';
    return path + fileName;
}

} // namespace

bool RestrictLibrarySearchToSystem32() noexcept {
    const auto setDefault = FindSetDefaultDllDirectories();
    return setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

ModuleHandle LoadSystemLibrary(const wchar_t* fileName) noexcept {
    if (HasSearchFlags())
        return ModuleHandle(LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    try {
        // A full path finds only that file; the altered search order makes
        // the DLL's own imports come from System32 as well.
        const std::wstring path = System32Path(fileName);
        if (path.empty()) return {};
        return ModuleHandle(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    } catch (...) {
        return {};
    }
}

void PretendNewerLoaderMissingForTesting(bool missing) noexcept { pretendMissing = missing; }

} // namespace tk
