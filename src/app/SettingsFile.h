#pragma once
#include <string>

#include "app/ListRanges.h"
#include "rtl/DateTime.h"

// 21 June 2003 01:00:00: of it only the time of day counts, a countdown of one hour.
inline constexpr rtl::TDateTime DefaultReverseTime = 37793.0416666667;

// The choices kept in section OPTIONS, in the order of the file.
struct StoredSettings {
    bool RadioButtonDate = false;
    bool RadioButtonCounter = true;
    int DaysComboBox = lists::kDefaultDaysItem;
    int ComboBoxCPULoad = lists::kDefaultLoadItem;
    int ComboBoxCPULoadTime = lists::kDefaultWindowItem;
    rtl::TDateTime DateTimePickerReverseTime = DefaultReverseTime;
    int ActionComboBox = lists::kDefaultActionItem;
    int SkinComboBox = 0;

    bool operator==(const StoredSettings&) const = default;
};

// The profile functions, one key at a time; tests replace them to refuse a write.
class IProfileStore {
public:
    virtual ~IProfileStore() = default;
    // The key's value, or `defaultValue` when the file or the key is missing.
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& file) = 0;
    // False when the platform refuses the write.
    virtual bool Write(const std::string& section, const std::string& key, const std::string& value,
                       const std::string& file) = 0;
};

class PrivateProfileStore : public IProfileStore {
public:
    std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                     const std::string& file) override;
    bool Write(const std::string& section, const std::string& key, const std::string& value,
               const std::string& file) override;
};

// Missing keys and values that are no number give the defaults above; indices
// outside their lists give the list's default (ComboBoxCPULoadTime, ActionComboBox
// and SkinComboBox fall back to item 0). A missing file gives all defaults.
StoredSettings ReadSettings(IProfileStore& store, const std::string& file, int skinCount);
StoredSettings ReadSettings(const std::string& file, int skinCount);

// Writes all eight keys in order; other sections and keys stay as they are.
// A refused write raises rtl::Error("Unable to write to <file>"); the keys
// before it are already written.
void WriteSettings(IProfileStore& store, const std::string& file, const StoredSettings& settings);
void WriteSettings(const std::string& file, const StoredSettings& settings);
