#include "app/SettingsFile.h"

#include <windows.h>

#include <cstdint>

#include "rtl/Error.h"
#include "rtl/IntConv.h"
#include "rtl/SettingsFloat.h"

namespace {

constexpr char kSection[] = "OPTIONS";
constexpr DWORD kValueBufferSize = 2048;
constexpr char kTrueText[] = "1";
constexpr char kFalseText[] = "0";

class SettingsReader {
public:
    SettingsReader(IProfileStore& store, const std::string& file) : store_(store), file_(file) {}

    int Integer(const char* key, int defaultValue) {
        std::int32_t value = 0;
        return rtl::TryStrToInt(Text(key, ""), value) ? value : defaultValue;
    }

    bool Boolean(const char* key, bool defaultValue) { return Integer(key, defaultValue ? 1 : 0) != 0; }

    // An index outside 0..count-1 gives `fallback`.
    int Index(const char* key, int defaultValue, int count, int fallback) {
        const int value = Integer(key, defaultValue);
        return value >= 0 && value < count ? value : fallback;
    }

    rtl::TDateTime DateTime(const char* key, rtl::TDateTime defaultValue) {
        return rtl::ParseSettingsFloat(Text(key, rtl::FormatSettingsFloat(defaultValue)));
    }

private:
    std::string Text(const char* key, const std::string& defaultValue) {
        return store_.Read(kSection, key, defaultValue, file_);
    }

    IProfileStore& store_;
    const std::string& file_;
};

class SettingsWriter {
public:
    SettingsWriter(IProfileStore& store, const std::string& file) : store_(store), file_(file) {}

    void Boolean(const char* key, bool value) { Text(key, value ? kTrueText : kFalseText); }
    void Integer(const char* key, int value) { Text(key, std::to_string(value)); }
    void DateTime(const char* key, rtl::TDateTime value) { Text(key, rtl::FormatSettingsFloat(value)); }

private:
    void Text(const char* key, const std::string& value) {
        if (!store_.Write(kSection, key, value, file_)) throw rtl::Error("Unable to write to " + file_);
    }

    IProfileStore& store_;
    const std::string& file_;
};

} // namespace

std::string PrivateProfileStore::Read(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, const std::string& file) {
    char buffer[kValueBufferSize] = {};
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                                  kValueBufferSize, file.c_str());
    return std::string(buffer, length);
}

bool PrivateProfileStore::Write(const std::string& section, const std::string& key, const std::string& value,
                                const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

StoredSettings ReadSettings(IProfileStore& store, const std::string& file, int skinCount) {
    const StoredSettings defaults;
    SettingsReader read(store, file);
    StoredSettings s;
    s.RadioButtonDate = read.Boolean("RadioButtonDate", defaults.RadioButtonDate);
    s.RadioButtonCounter = read.Boolean("RadioButtonCounter", defaults.RadioButtonCounter);
    // Only a hand-edited file holds days or a load level outside the lists; an
    // empty selection there would count -1 days, so the default serves better.
    s.DaysComboBox =
        read.Index("DaysComboBox", defaults.DaysComboBox, lists::kDaysItemCount, defaults.DaysComboBox);
    s.ComboBoxCPULoad = read.Index("ComboBoxCPULoad", defaults.ComboBoxCPULoad, lists::kLoadItemCount,
                                   defaults.ComboBoxCPULoad);
    s.ComboBoxCPULoadTime =
        read.Index("ComboBoxCPULoadTime", defaults.ComboBoxCPULoadTime, lists::kWindowItemCount, 0);
    s.DateTimePickerReverseTime =
        read.DateTime("DateTimePickerReverseTime", defaults.DateTimePickerReverseTime);
    s.ActionComboBox = read.Index("ActionComboBox", defaults.ActionComboBox, lists::kActionItemCount, 0);
    s.SkinComboBox = read.Index("SkinComboBox", defaults.SkinComboBox, skinCount, 0);
    return s;
}

StoredSettings ReadSettings(const std::string& file, int skinCount) {
    PrivateProfileStore store;
    return ReadSettings(store, file, skinCount);
}

void WriteSettings(IProfileStore& store, const std::string& file, const StoredSettings& settings) {
    SettingsWriter write(store, file);
    write.Boolean("RadioButtonDate", settings.RadioButtonDate);
    write.Boolean("RadioButtonCounter", settings.RadioButtonCounter);
    write.Integer("DaysComboBox", settings.DaysComboBox);
    write.Integer("ComboBoxCPULoad", settings.ComboBoxCPULoad);
    write.Integer("ComboBoxCPULoadTime", settings.ComboBoxCPULoadTime);
    write.DateTime("DateTimePickerReverseTime", settings.DateTimePickerReverseTime);
    write.Integer("ActionComboBox", settings.ActionComboBox);
    write.Integer("SkinComboBox", settings.SkinComboBox);
}

void WriteSettings(const std::string& file, const StoredSettings& settings) {
    PrivateProfileStore store;
    WriteSettings(store, file, settings);
}
