#include "toolkit/SystemLibrary.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

std::wstring System32() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\";
}

bool SameFolder(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// A real DLL copied beside the test program under a name System32 lacks: what a
// planted file in a Downloads folder looks like to the loader.
class PlantedLibrary {
public:
    PlantedLibrary() : path_(FolderOf(ModulePath(nullptr)) + kName) {
        CopyFileW((System32() + L"powrprof.dll").c_str(), path_.c_str(), FALSE);
    }
    ~PlantedLibrary() { DeleteFileW(path_.c_str()); }
    PlantedLibrary(const PlantedLibrary&) = delete;
    PlantedLibrary& operator=(const PlantedLibrary&) = delete;
    static constexpr wchar_t kName[] = L"kn-planted.dll";

private:
    std::wstring path_;
};

struct LoaderCase {
    const char* what;
    bool newerLoaderMissing;
};

TEST(SystemLibrary, LoadsFromSystem32OnlyWithOrWithoutTheNewerLoader) {
    PlantedLibrary planted;
    // The planted file is found by an ordinary search: the checks below can fail.
    tk::ModuleHandle ordinary(LoadLibraryW(PlantedLibrary::kName));
    ASSERT_TRUE(ordinary);
    ordinary.Reset();

    for (const LoaderCase c : {LoaderCase{"newer loader", false}, LoaderCase{"Windows 7 loader", true}}) {
        SCOPED_TRACE(c.what);
        tk::PretendNewerLoaderMissingForTesting(c.newerLoaderMissing);
        const tk::ModuleHandle power = tk::LoadSystemLibrary(L"powrprof.dll");
        ASSERT_TRUE(power);
        EXPECT_TRUE(SameFolder(FolderOf(ModulePath(power.Get())), System32()));
        using SetSuspendStateProc = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
        EXPECT_NE(tk::GetProc<SetSuspendStateProc>(power, "SetSuspendState"), nullptr);
        EXPECT_EQ(tk::GetProc<SetSuspendStateProc>(power, "NoSuchExport"), nullptr);
        EXPECT_FALSE(tk::LoadSystemLibrary(PlantedLibrary::kName));
        EXPECT_EQ(tk::RestrictLibrarySearchToSystem32(), !c.newerLoaderMissing);
    }
    tk::PretendNewerLoaderMissingForTesting(false);
    // Once restricted, not even an ordinary search looks beside the program.
    EXPECT_FALSE(tk::ModuleHandle(LoadLibraryW(PlantedLibrary::kName)));
}

} // namespace
