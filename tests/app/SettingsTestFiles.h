#pragma once
// Folders, files and a file system that records and fails steps, for the
// settings tests. Test set-up writes files directly; the code under test never does.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../toolkit/TempFiles.h"
#include "app/WindowsSettingsFileSystem.h"
#include "toolkit/Handles.h"

namespace settings_test {

inline std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const tk::FindHandle find(FindFirstFileA((folder + "*").c_str(), &found));
    if (!find) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find.Get(), &found));
    return names;
}

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static int serial = 0;
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "kn-settings-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial) + "\\";
        EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_;
    }
    ~TempFolder() { temp_files::RemoveTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With its trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline void WriteFileText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> FileLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream text(ReadFileText(path));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The real file system, recording every step as "lock", "find", "delete",
// "read <key>", "copy", "read sections", "write <key>", "flush",
// "read-back <key>", "read-back sections", "replace", "unlock". The step named `failing` fails: the lock is
// not had, a read-back gives nothing, every other step reports failure (a copy after copying).
class StepFileSystem : public WindowsSettingsFileSystem {
public:
    explicit StepFileSystem(std::string failing = "", DWORD lockPatienceMs = kDefaultLockPatienceMs)
        : WindowsSettingsFileSystem(lockPatienceMs), failing_(std::move(failing)) {}

    std::vector<std::string> steps;

    std::string ReadValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                          const std::string& file) override {
        if (Fails(ReadStep(file) + key)) return "";
        return WindowsSettingsFileSystem::ReadValue(section, key, defaultValue, file);
    }
    std::vector<ProfileSection> ReadSections(const std::string& file) override {
        if (Fails(ReadStep(file) + "sections")) return {};
        return WindowsSettingsFileSystem::ReadSections(file);
    }
    bool WriteValue(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) override {
        return !Fails("write " + key) && WindowsSettingsFileSystem::WriteValue(section, key, value, file);
    }
    bool CreateCopy(const std::string& file, const std::string& copy) override {
        const bool failed = Fails("copy");
        return WindowsSettingsFileSystem::CreateCopy(file, copy) && !failed;
    }
    bool Flush(const std::string& file) override {
        return !Fails("flush") && WindowsSettingsFileSystem::Flush(file);
    }
    bool Replace(const std::string& from, const std::string& to) override {
        return !Fails("replace") && WindowsSettingsFileSystem::Replace(from, to);
    }
    bool Delete(const std::string& file) override {
        return !Fails("delete") && WindowsSettingsFileSystem::Delete(file);
    }
    std::vector<std::string> FindFiles(const std::string& pattern) override {
        if (Fails("find")) return {};
        return WindowsSettingsFileSystem::FindFiles(pattern);
    }
    bool Lock() override { return !Fails("lock") && WindowsSettingsFileSystem::Lock(); }
    void Unlock() override {
        steps.push_back("unlock");
        WindowsSettingsFileSystem::Unlock();
    }

private:
    // Reading the copy a save wrote is reading back.
    static std::string ReadStep(const std::string& file) {
        const bool copy = file.size() > 4 && file.compare(file.size() - 4, 4, ".tmp") == 0;
        return copy ? "read-back " : "read ";
    }

    bool Fails(const std::string& step) {
        steps.push_back(step);
        return step == failing_;
    }

    std::string failing_;
};

} // namespace settings_test
