#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/SettingsFileSystem.h"
#include "toolkit/Handles.h"

// The real disk, the profile functions and the program's named mutex.
class WindowsSettingsFileSystem : public ISettingsFileSystem {
public:
    // A save normally takes milliseconds; a copy that holds the lock longer is
    // stuck, and waiting for it would only cost the user their settings.
    static constexpr DWORD kDefaultLockPatienceMs = 3000;

    explicit WindowsSettingsFileSystem(DWORD lockPatienceMs = kDefaultLockPatienceMs);

    std::string ReadValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                          const std::string& file) override;
    bool WriteValue(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) override;
    std::vector<ProfileSection> ReadSections(const std::string& file) override;
    bool CreateCopy(const std::string& file, const std::string& copy) override;
    bool Flush(const std::string& file) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& file) override;
    std::vector<std::string> FindFiles(const std::string& pattern) override;
    unsigned long ProcessId() override;
    bool Lock() override;
    void Unlock() override;
    // In the ANSI code page of the message boxes.
    std::string DisplayPath(const std::string& file) override;

private:
    DWORD lockPatienceMs_;
    tk::KernelHandle mutex_;
};
