#pragma once
#include <string>
#include <vector>

// A section of a settings file and its lines, as the profile functions give them.
struct ProfileSection {
    std::string name;
    std::vector<std::string> lines; // "key=value"

    bool operator==(const ProfileSection&) const = default;
};

// Every step by which the settings file is read and replaced, one call each, so
// that tests can make any one of them fail.
class ISettingsFileSystem {
public:
    virtual ~ISettingsFileSystem() = default;

    // The profile functions, one key at a time. ReadValue gives `defaultValue`
    // when the file or the key is missing; WriteValue is false when refused.
    virtual std::string ReadValue(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, const std::string& file) = 0;
    virtual bool WriteValue(const std::string& section, const std::string& key, const std::string& value,
                            const std::string& file) = 0;
    // Every section of the file in order, through the profile functions; none when there is no file.
    virtual std::vector<ProfileSection> ReadSections(const std::string& file) = 0;

    // A new file `copy` holding the bytes of `file`, or empty when there is no `file`.
    virtual bool CreateCopy(const std::string& file, const std::string& copy) = 0;
    // Makes what was written to `file` reach the disk, so that reading it again reads the disk.
    virtual bool Flush(const std::string& file) = 0;
    // Puts `from` in the place of `to` in one step.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual bool Delete(const std::string& file) = 0;
    // Full paths of the files whose names match `pattern` (wildcards in the name part only).
    virtual std::vector<std::string> FindFiles(const std::string& pattern) = 0;

    // Tells this process's temporary files apart from those of other copies.
    virtual unsigned long ProcessId() = 0;
    // Takes the lock that every copy of the program holds while it reads or
    // replaces the file; false when it stayed taken for the whole wait.
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;

    // A path (UTF-8) as a message shows it.
    virtual std::string DisplayPath(const std::string& file) { return file; }
};
