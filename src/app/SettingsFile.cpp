#include "app/SettingsFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "app/CountdownSpan.h"
#include "app/SettingsFileSystem.h"
#include "core/AsciiText.h"
#include "core/Error.h"
#include "core/IntConv.h"
#include "core/PercentEncoding.h"
#include "core/SettingsFloat.h"
#include "core/UnicodeText.h"

namespace {

constexpr char kSection[] = "OPTIONS";
constexpr char kTrueText[] = "1";
constexpr char kFalseText[] = "0";
constexpr char kTemporarySuffix[] = ".tmp";
constexpr std::size_t kKeyCount = 14;

class SettingsReader {
public:
    SettingsReader(ISettingsFileSystem& fileSystem, const std::string& file) : fs_(fileSystem), file_(file) {}

    int Integer(const char* key, int defaultValue) {
        std::int32_t value = 0;
        return core::TryStrToInt(Text(key, ""), value) ? value : defaultValue;
    }

    bool Boolean(const char* key, bool defaultValue) { return Integer(key, defaultValue ? 1 : 0) != 0; }

    // An index outside 0..count-1 gives `fallback`.
    int Index(const char* key, int defaultValue, int count, int fallback) {
        const int value = Integer(key, defaultValue);
        return value >= 0 && value < count ? value : fallback;
    }

    // A value that is none of `items` gives the default.
    template <std::size_t N>
    int Item(const char* key, const std::array<int, N>& items, int defaultValue) {
        const int value = Integer(key, defaultValue);
        return lists::IsItem(items, value) ? value : defaultValue;
    }

    std::string String(const char* key) { return std::string(core::TrimBlanks(Text(key, ""))); }

    core::TDateTime DateTime(const char* key, core::TDateTime defaultValue) {
        return core::ParseSettingsFloat(Text(key, core::FormatSettingsFloat(defaultValue)));
    }

    // Percent-encoded UTF-8 (see SettingsFile.h); empty when missing.
    std::string Name(const char* key) {
        const std::string name = core::PercentDecode(core::TrimBlanks(Text(key, "")));
        return core::IsValidUtf8(name) ? name : core::Utf8FromLatin1(name);
    }

    std::string Text(const char* key, const std::string& defaultValue) {
        return fs_.ReadValue(kSection, key, defaultValue, file_);
    }

private:
    ISettingsFileSystem& fs_;
    const std::string& file_;
};

using KeyTexts = std::array<std::pair<const char*, std::string>, kKeyCount>;

std::string BooleanText(bool value) { return value ? kTrueText : kFalseText; }

// The keys in the order of writing, each with its text.
KeyTexts SettingsTexts(const StoredSettings& s) {
    return {{
        {"RadioButtonDate", BooleanText(s.RadioButtonDate)},
        {"RadioButtonCounter", BooleanText(s.RadioButtonCounter)},
        {"DaysComboBox", std::to_string(s.DaysComboBox)},
        {"ComboBoxCPULoad", std::to_string(s.ComboBoxCPULoad)},
        {"ComboBoxCPULoadTime", std::to_string(s.ComboBoxCPULoadTime)},
        {"DateTimePickerReverseTime", core::FormatSettingsFloat(s.DateTimePickerReverseTime)},
        {"ActionComboBox", std::to_string(s.ActionComboBox)},
        {"SkinComboBox", std::to_string(s.SkinComboBox)},
        {"SkinFile", core::PercentEncode(s.SkinFile)},
        {"NetQuietLevel", std::to_string(s.NetQuietLevel)},
        {"NetQuietSeconds", std::to_string(s.NetQuietSeconds)},
        {"NetQuietAdapter", s.NetQuietAdapter},
        {"ProcessName", core::PercentEncode(s.ProcessName)},
        {"SnoozeMinutes", std::to_string(s.SnoozeMinutes)},
    }};
}

// Section and key names are the same in any case; the profile functions may
// drop blanks around names and values.
bool IsWrittenKey(const std::string& line, const KeyTexts& texts) {
    const std::string_view key = core::TrimBlanks(std::string_view(line).substr(0, line.find('=')));
    return std::any_of(texts.begin(), texts.end(),
                       [&](const auto& written) { return core::SameTextIgnoringCase(key, written.first); });
}

// What a save must carry over as it is: every line but the keys it writes.
std::vector<ProfileSection> ForeignContent(std::vector<ProfileSection> sections, const KeyTexts& texts) {
    for (ProfileSection& section : sections) {
        if (!core::SameTextIgnoringCase(section.name, kSection)) continue;
        std::erase_if(section.lines, [&](const std::string& line) { return IsWrittenKey(line, texts); });
    }
    // A save adds the section when the file had none.
    std::erase_if(sections, [](const ProfileSection& s) {
        return core::SameTextIgnoringCase(s.name, kSection) && s.lines.empty();
    });
    return sections;
}

// Holds the program's lock for a scope, when it could be had.
class LockHold {
public:
    explicit LockHold(ISettingsFileSystem& fileSystem) : fs_(fileSystem), held_(fileSystem.Lock()) {}
    ~LockHold() {
        if (held_) fs_.Unlock();
    }
    LockHold(const LockHold&) = delete;
    LockHold& operator=(const LockHold&) = delete;
    bool Held() const { return held_; }

private:
    ISettingsFileSystem& fs_;
    bool held_;
};

// The copy a save writes; removed unless it took the place of the file.
class TemporaryFile {
public:
    TemporaryFile(ISettingsFileSystem& fileSystem, std::string name)
        : fs_(fileSystem), name_(std::move(name)) {}
    ~TemporaryFile() {
        if (!kept_) fs_.Delete(name_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Name() const { return name_; }
    void Keep() { kept_ = true; }

private:
    ISettingsFileSystem& fs_;
    std::string name_;
    bool kept_ = false;
};

bool IsDigits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// "<file>.<process id>.tmp": a wildcard search may find more, so the name is checked in full.
bool IsTemporaryFileOf(std::string_view candidate, std::string_view file) {
    const std::string_view suffix = kTemporarySuffix;
    if (candidate.size() < file.size() + 1 + suffix.size()) return false;
    if (candidate.substr(0, file.size()) != file || candidate[file.size()] != '.') return false;
    if (candidate.substr(candidate.size() - suffix.size()) != suffix) return false;
    return IsDigits(candidate.substr(file.size() + 1, candidate.size() - file.size() - 1 - suffix.size()));
}

// What a save killed half-way left behind is never read; it only takes room.
void RemoveTemporaryFiles(ISettingsFileSystem& fs, const std::string& file) {
    for (const std::string& found : fs.FindFiles(file + ".*" + kTemporarySuffix))
        if (IsTemporaryFileOf(found, file)) fs.Delete(found);
}

[[noreturn]] void FailToWrite(ISettingsFileSystem& fs, const std::string& file) {
    throw core::Error("Unable to write to " + fs.DisplayPath(file));
}

// The copy holds every key as written and every other line of the file as it
// was: a full disk may cut it short anywhere while the profile functions still
// report success.
bool ReadsBackAsWritten(ISettingsFileSystem& fs, const std::string& copy, const KeyTexts& texts,
                        const std::vector<ProfileSection>& foreign) {
    for (const auto& [key, text] : texts)
        if (core::TrimBlanks(fs.ReadValue(kSection, key, "", copy)) != core::TrimBlanks(text)) return false;
    return ForeignContent(fs.ReadSections(copy), texts) == foreign;
}

} // namespace

std::string TemporarySettingsFileName(const std::string& file, unsigned long processId) {
    return file + "." + std::to_string(processId) + kTemporarySuffix;
}

StoredSettings ReadSettings(ISettingsFileSystem& fileSystem, const std::string& file, int skinCount) {
    const LockHold lock(fileSystem);
    // Without the lock another copy may be half-way through its save.
    if (lock.Held()) RemoveTemporaryFiles(fileSystem, file);

    const StoredSettings defaults;
    SettingsReader read(fileSystem, file);
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
        ClampToPickerRange(read.DateTime("DateTimePickerReverseTime", defaults.DateTimePickerReverseTime));
    s.ActionComboBox = read.Index("ActionComboBox", defaults.ActionComboBox, lists::kActionItemCount, 0);
    s.SkinComboBox = read.Index("SkinComboBox", defaults.SkinComboBox, skinCount, 0);
    s.SkinFile = core::PercentDecode(read.Text("SkinFile", ""));
    s.NetQuietLevel = read.Item("NetQuietLevel", lists::kNetLevels, defaults.NetQuietLevel);
    s.NetQuietSeconds = read.Item("NetQuietSeconds", lists::kNetWindows, defaults.NetQuietSeconds);
    s.NetQuietAdapter = read.String("NetQuietAdapter");
    s.ProcessName = read.Name("ProcessName");
    s.SnoozeMinutes = read.Integer("SnoozeMinutes", defaults.SnoozeMinutes);
    if (s.SnoozeMinutes < 1 || s.SnoozeMinutes > kMaxSnoozeMinutes) s.SnoozeMinutes = defaults.SnoozeMinutes;
    return s;
}

int ChosenSkinItem(const StoredSettings& settings, const std::vector<std::string>& skinFiles) {
    if (settings.SkinFile.empty()) return settings.SkinComboBox;
    // File names compare as Windows compares them; ASCII case is enough for
    // the names the program itself wrote.
    const auto found = std::find_if(skinFiles.begin(), skinFiles.end(), [&](const std::string& name) {
        return core::SameTextIgnoringCase(name, settings.SkinFile);
    });
    return found != skinFiles.end() ? static_cast<int>(found - skinFiles.begin()) : settings.SkinComboBox;
}

void WriteSettings(ISettingsFileSystem& fileSystem, const std::string& file, const StoredSettings& settings) {
    // Two copies closing together take turns; a copy stuck with the lock does not stop the save.
    const LockHold lock(fileSystem);
    TemporaryFile copy(fileSystem, TemporarySettingsFileName(file, fileSystem.ProcessId()));
    if (!fileSystem.CreateCopy(file, copy.Name())) FailToWrite(fileSystem, file);
    const KeyTexts texts = SettingsTexts(settings);
    const std::vector<ProfileSection> foreign = ForeignContent(fileSystem.ReadSections(file), texts);
    for (const auto& [key, text] : texts)
        if (!fileSystem.WriteValue(kSection, key, text, copy.Name())) FailToWrite(fileSystem, file);
    if (!fileSystem.Flush(copy.Name())) FailToWrite(fileSystem, file);
    if (!ReadsBackAsWritten(fileSystem, copy.Name(), texts, foreign)) FailToWrite(fileSystem, file);
    if (!fileSystem.Replace(copy.Name(), file)) FailToWrite(fileSystem, file);
    copy.Keep();
}
