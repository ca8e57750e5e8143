#pragma once
#include <optional>
#include <string>

// What SettingsFolder asks of the system, replaceable so that tests can play a
// shell that cannot name the folder, or a folder that cannot be made, without
// touching the real profile.
class ISettingsFolderSystem {
public:
    virtual ~ISettingsFolderSystem() = default;
    // The user's application-data folder; nothing when the shell cannot name it.
    virtual std::optional<std::string> ApplicationDataFolder() = 0;
    virtual bool FolderExists(const std::string& folder) = 0;
    virtual bool CreateFolder(const std::string& folder) = 0;
    // The executable's folder with its trailing backslash.
    virtual std::string ExecutableFolder() = 0;
};

// The real shell and file system; tests derive from it to replace one call.
class WindowsSettingsFolderSystem : public ISettingsFolderSystem {
public:
    std::optional<std::string> ApplicationDataFolder() override;
    bool FolderExists(const std::string& folder) override;
    bool CreateFolder(const std::string& folder) override;
    std::string ExecutableFolder() override;
};

// "<application data>\Kalvex Now!\", made (one level) when missing, or the
// executable's folder when the shell cannot name the application-data folder.
// Raises core::Error("Cannot create <folder>") when the folder cannot be made.
std::string SettingsFolder(ISettingsFolderSystem& system);
std::string SettingsFolder();

// The mutex every copy of the program creates; the settings module holds it
// while it reads or replaces the settings file.
inline constexpr char InstanceMutexName[] = "KalvexNow";

// Computes SettingsFileName once, at process start; raises what SettingsFolder raises.
void InitSettingsFileName();
// The settings file's full path; empty until InitSettingsFileName has run.
const std::string& SettingsFileName();
