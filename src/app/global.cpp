#include "app/global.h"

#include <windows.h>
#include <shlobj.h>

#include "core/Error.h"
#include "toolkit/WideText.h"

namespace {

constexpr char kPathDelimiter = '\\';
constexpr char kFolderName[] = "Kalvex Now!";
constexpr char kFileName[] = "settings.ini";
// Room for a path of MAX_PATH characters and its terminator.
constexpr DWORD kShellPathBufferSize = MAX_PATH + 1;
// Long module paths (\\?\ prefixes) can reach this length.
constexpr DWORD kLongestPath = 32768;

std::string WithTrailingDelimiter(std::string path) {
    if (path.empty() || path.back() != kPathDelimiter) path += kPathDelimiter;
    return path;
}

std::string g_settingsFileName;

} // namespace

std::optional<std::string> WindowsSettingsFolderSystem::ApplicationDataFolder() {
    wchar_t path[kShellPathBufferSize] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_APPDATA, FALSE)) return std::nullopt;
    return tk::Utf8(path);
}

bool WindowsSettingsFolderSystem::FolderExists(const std::string& folder) {
    const DWORD attributes = GetFileAttributesW(tk::Widen(folder).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WindowsSettingsFolderSystem::CreateFolder(const std::string& folder) {
    if (CreateDirectoryW(tk::Widen(folder).c_str(), nullptr)) return true;
    // Another copy of the program may have made it in the meantime.
    return GetLastError() == ERROR_ALREADY_EXISTS && FolderExists(folder);
}

std::string WindowsSettingsFolderSystem::ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
        if (length == 0) break;
        // A full buffer means the name was cut short: try again with more room.
        if (length < size || size >= kLongestPath) {
            path.resize(length);
            const auto delimiter = path.rfind(L'\\');
            if (delimiter != std::wstring::npos) return tk::Utf8(path.substr(0, delimiter + 1));
            break;
        }
        path.resize(static_cast<std::size_t>(size) * 2);
    }
    // Without a module name the current folder is the best guess; a bare file
    // name would send the profile functions to the Windows folder instead.
    return std::string(".") + kPathDelimiter;
}

std::string SettingsFolder(ISettingsFolderSystem& system) {
    const auto appData = system.ApplicationDataFolder();
    if (!appData) return system.ExecutableFolder();
    std::string folder = WithTrailingDelimiter(*appData) + kFolderName + kPathDelimiter;
    if (!system.FolderExists(folder) && !system.CreateFolder(folder))
        throw core::Error("Cannot create " + tk::AnsiFromUtf8(folder));
    return folder;
}

std::string SettingsFolder() {
    WindowsSettingsFolderSystem system;
    return SettingsFolder(system);
}

void InitSettingsFileName() { g_settingsFileName = SettingsFolder() + kFileName; }

const std::string& SettingsFileName() { return g_settingsFileName; }
