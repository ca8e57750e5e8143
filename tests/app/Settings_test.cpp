#include "app/CountdownSpan.h"
#include "app/SettingsFile.h"
#include "app/global.h"

#include "SettingsTestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/DateTime.h"
#include "core/Error.h"
#include "core/SettingsFloat.h"
#include "toolkit/Handles.h"

// Readable failure messages.
void PrintTo(const StoredSettings& s, std::ostream* out) {
    *out << "{Date " << s.RadioButtonDate << ", Counter " << s.RadioButtonCounter << ", Days "
         << s.DaysComboBox << ", Load " << s.ComboBoxCPULoad << ", LoadTime " << s.ComboBoxCPULoadTime
         << ", Span " << core::FormatSettingsFloat(s.DateTimePickerReverseTime) << ", Action "
         << s.ActionComboBox << ", Skin " << s.SkinComboBox << ", SkinFile " << s.SkinFile << ", Net "
         << s.NetQuietLevel << "/" << s.NetQuietSeconds << "/" << s.NetQuietAdapter << "}";
}

namespace {

using namespace settings_test;

constexpr int kSkinCount = 3;

// ---------------------------------------------------------------------------
// Values

TEST(SettingsFile, DefaultSpanIsOneHourOnTheTwentyFirstOfJune2003) {
    EXPECT_EQ(core::ParseSettingsFloat(" 3.77930416666667E+0004"), DefaultReverseTime);
    EXPECT_EQ(core::FormatSettingsFloat(DefaultReverseTime), " 3.77930416666667E+0004");
    EXPECT_NEAR(DefaultReverseTime, core::EncodeDateTime(2003, 6, 21, 1, 0, 0, 0), core::OneMillisecond);
}

TEST(SettingsFile, MissingFileGivesAllDefaultsAndIsNotCreated) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    const StoredSettings read = ReadSettings(file, kSkinCount);
    EXPECT_FALSE(read.RadioButtonDate);
    EXPECT_TRUE(read.RadioButtonCounter);
    EXPECT_EQ(read.DaysComboBox, 0);
    EXPECT_EQ(read.ComboBoxCPULoad, 10);
    EXPECT_EQ(read.ComboBoxCPULoadTime, 4);
    EXPECT_EQ(read.DateTimePickerReverseTime, DefaultReverseTime);
    EXPECT_EQ(read.ActionComboBox, 0);
    EXPECT_EQ(read.SkinComboBox, 0);
    EXPECT_EQ(read.NetQuietLevel, 10);
    EXPECT_EQ(read.NetQuietSeconds, 60);
    EXPECT_EQ(read.NetQuietAdapter, "");
    EXPECT_FALSE(FileExists(file));
}

TEST(SettingsFile, RoundTripsEveryKeyThroughTheProfileFunctions) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    StoredSettings written;
    written.RadioButtonDate = true;
    written.RadioButtonCounter = false;
    written.DaysComboBox = 365;
    written.ComboBoxCPULoad = 0;
    written.ComboBoxCPULoadTime = 11;
    written.DateTimePickerReverseTime = core::EncodeDateTime(2024, 2, 29, 23, 59, 58, 0);
    written.ActionComboBox = 4;
    written.SkinComboBox = 2;
    written.SkinFile = "Caf\xC3\xA9.ini";
    written.NetQuietLevel = 500;
    written.NetQuietSeconds = 5;
    written.NetQuietAdapter = "Local Area Connection";
    written.ProcessName = " Ren\xC3\xA9 \xE6\x97\xA5 \"100%\".exe"; // beyond any ANSI code page
    written.SnoozeMinutes = 25;
    WriteSettings(file, written);
    StoredSettings read = ReadSettings(file, kSkinCount);
    // Fifteen significant digits keep the moment to far better than a millisecond.
    EXPECT_TRUE(core::IsSameMoment(read.DateTimePickerReverseTime, written.DateTimePickerReverseTime));
    read.DateTimePickerReverseTime = written.DateTimePickerReverseTime;
    EXPECT_EQ(read, written);

    const std::vector<std::string> expected = {
        "[OPTIONS]",
        "RadioButtonDate=1",
        "RadioButtonCounter=0",
        "DaysComboBox=365",
        "ComboBoxCPULoad=0",
        "ComboBoxCPULoadTime=11",
        "DateTimePickerReverseTime=" + core::FormatSettingsFloat(written.DateTimePickerReverseTime),
        "ActionComboBox=4",
        "SkinComboBox=2",
        "SkinFile=Caf%C3%A9.ini",
        "NetQuietLevel=500",
        "NetQuietSeconds=5",
        "NetQuietAdapter=Local Area Connection",
        "ProcessName=%20Ren%C3%A9%20%E6%97%A5%20%22100%25%22.exe",
        "SnoozeMinutes=25",
    };
    std::vector<std::string> lines = FileLines(file);
    // Windows keeps the value's leading blank; Wine trims values when it writes them.
    // Reading skips the blank either way.
    ASSERT_EQ(lines.size(), expected.size());
    const std::string dateKey = "DateTimePickerReverseTime=";
    ASSERT_EQ(lines[6].rfind(dateKey, 0), 0U);
    if (lines[6].compare(dateKey.size(), 1, " ") != 0) lines[6].insert(dateKey.size(), " ");
    EXPECT_EQ(lines, expected);
}

TEST(SettingsFile, WritesDefaultsAndUnselectedListsAsTheyAre) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    StoredSettings written;
    written.ComboBoxCPULoadTime = -1; // a list with nothing selected
    written.DateTimePickerReverseTime = -1.25;
    WriteSettings(file, written);
    const std::vector<std::string> lines = FileLines(file);
    ASSERT_EQ(lines.size(), 15U);
    EXPECT_EQ(lines[5], "ComboBoxCPULoadTime=-1");
    EXPECT_EQ(lines[6], "DateTimePickerReverseTime=-1.25000000000000E+0000");
    EXPECT_EQ(ReadSettings(file, kSkinCount).DateTimePickerReverseTime, -1.25);

    WriteSettings(file, StoredSettings{});
    const std::string line = FileLines(file).at(6);
    EXPECT_TRUE(line == "DateTimePickerReverseTime= 3.77930416666667E+0004" ||
                line == "DateTimePickerReverseTime=3.77930416666667E+0004")
        << line;
    EXPECT_EQ(ReadSettings(file, kSkinCount), StoredSettings{});
}

// ---------------------------------------------------------------------------
// Load rules: each case is a hand-edited file and the field it decides.

struct IntegerCase {
    const char* text;
    int StoredSettings::*field;
    int expected;
    int skinCount = kSkinCount;
};

TEST(SettingsFile, CorrectsIndicesOutsideTheirLists) {
    const IntegerCase cases[] = {
        {"ActionComboBox=7", &StoredSettings::ActionComboBox, 0},
        {"ActionComboBox=-3", &StoredSettings::ActionComboBox, 0},
        {"ActionComboBox=5", &StoredSettings::ActionComboBox, 0},
        {"ActionComboBox=4", &StoredSettings::ActionComboBox, 4},
        {"ActionComboBox=0x3", &StoredSettings::ActionComboBox, 3},
        {"ActionComboBox=$2", &StoredSettings::ActionComboBox, 2},
        {"ActionComboBox = 1 ", &StoredSettings::ActionComboBox, 1},
        {"ActionComboBox=two", &StoredSettings::ActionComboBox, 0},
        {"ComboBoxCPULoadTime=99", &StoredSettings::ComboBoxCPULoadTime, 0},
        {"ComboBoxCPULoadTime=-1", &StoredSettings::ComboBoxCPULoadTime, 0},
        {"ComboBoxCPULoadTime=12", &StoredSettings::ComboBoxCPULoadTime, 0},
        {"ComboBoxCPULoadTime=11", &StoredSettings::ComboBoxCPULoadTime, 11},
        {"ComboBoxCPULoadTime=five", &StoredSettings::ComboBoxCPULoadTime, 4},
        {"ComboBoxCPULoadTime=", &StoredSettings::ComboBoxCPULoadTime, 4},
        {"DaysComboBox=400", &StoredSettings::DaysComboBox, 0},
        {"DaysComboBox=-1", &StoredSettings::DaysComboBox, 0},
        {"DaysComboBox=366", &StoredSettings::DaysComboBox, 0},
        {"DaysComboBox=365", &StoredSettings::DaysComboBox, 365},
        {"DaysComboBox=X16", &StoredSettings::DaysComboBox, 22},
        {"ComboBoxCPULoad=101", &StoredSettings::ComboBoxCPULoad, 10},
        {"ComboBoxCPULoad=-1", &StoredSettings::ComboBoxCPULoad, 10},
        {"ComboBoxCPULoad=100", &StoredSettings::ComboBoxCPULoad, 100},
        {"ComboBoxCPULoad=0", &StoredSettings::ComboBoxCPULoad, 0},
        {"ComboBoxCPULoad=2147483648", &StoredSettings::ComboBoxCPULoad, 10},
        {"ComboBoxCPULoad=1.5", &StoredSettings::ComboBoxCPULoad, 10},
        {"SkinComboBox=2", &StoredSettings::SkinComboBox, 2},
        {"SkinComboBox=3", &StoredSettings::SkinComboBox, 0},
        {"SkinComboBox=-1", &StoredSettings::SkinComboBox, 0},
        {"SkinComboBox=1", &StoredSettings::SkinComboBox, 1, 2},
        {"SkinComboBox=1", &StoredSettings::SkinComboBox, 0, 1},
        {"SkinComboBox=0", &StoredSettings::SkinComboBox, 0, 0},
        // Network-quiet values are the lists' items themselves.
        {"NetQuietLevel=50", &StoredSettings::NetQuietLevel, 50},
        {"NetQuietLevel=20", &StoredSettings::NetQuietLevel, 10},
        {"NetQuietLevel=0", &StoredSettings::NetQuietLevel, 10},
        {"NetQuietLevel=$1F4", &StoredSettings::NetQuietLevel, 500},
        {"NetQuietSeconds=600", &StoredSettings::NetQuietSeconds, 600},
        {"NetQuietSeconds=4", &StoredSettings::NetQuietSeconds, 60},
        {"NetQuietSeconds=1", &StoredSettings::NetQuietSeconds, 60}, // a list position is no value
        {"SnoozeMinutes=0", &StoredSettings::SnoozeMinutes, 10},
        {"SnoozeMinutes=1441", &StoredSettings::SnoozeMinutes, 10},
        {"SnoozeMinutes=1440", &StoredSettings::SnoozeMinutes, 1440},
    };
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    for (const auto& c : cases) {
        WriteFileText(file, std::string("[OPTIONS]\r\n") + c.text + "\r\n");
        const StoredSettings read = ReadSettings(file, c.skinCount);
        EXPECT_EQ(read.*c.field, c.expected) << c.text << " with " << c.skinCount << " skins";
    }
}

TEST(SettingsFile, TheStoredSkinFileWinsWhereItIsStillListed) {
    struct Case {
        const char* text;
        int expected;
    };
    const std::vector<std::string> listed = {"sand.ini", "Caf\xC3\xA9.ini", "night.ini"};
    const Case cases[] = {
        {"SkinComboBox=0\r\nSkinFile=Caf%C3%A9.ini", 1}, // a new skin moved it
        {"SkinComboBox=1\r\nSkinFile=NIGHT.INI", 2},
        {"SkinComboBox=2\r\nSkinFile=gone.ini", 2}, // removed: the position
        {"SkinComboBox=1\r\nSkinFile=", 1},
        {"SkinComboBox=1", 1}, // a file from before the key
    };
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    for (const Case& c : cases) {
        WriteFileText(file, std::string("[OPTIONS]\r\n") + c.text + "\r\n");
        EXPECT_EQ(ChosenSkinItem(ReadSettings(file, kSkinCount), listed), c.expected) << c.text;
    }
}

struct BooleanCase {
    const char* text;
    bool date;
    bool counter;
};

TEST(SettingsFile, ReadsBooleansAsIntegers) {
    const BooleanCase cases[] = {
        // Both ticked is read as given; the main window makes the pair consistent.
        {"RadioButtonDate=1\r\nRadioButtonCounter=1", true, true},
        {"RadioButtonDate=0\r\nRadioButtonCounter=0", false, false},
        {"RadioButtonDate=-1\r\nRadioButtonCounter=0x0", true, false},
        {"RadioButtonDate=5", true, true},
        {"RadioButtonDate=yes\r\nRadioButtonCounter=no", false, true},
        {"RadioButtonDate=\r\nRadioButtonCounter=", false, true},
    };
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    for (const auto& c : cases) {
        WriteFileText(file, std::string("[OPTIONS]\r\n") + c.text + "\r\n");
        const StoredSettings read = ReadSettings(file, kSkinCount);
        EXPECT_EQ(read.RadioButtonDate, c.date) << c.text;
        EXPECT_EQ(read.RadioButtonCounter, c.counter) << c.text;
    }
}

struct DateTimeCase {
    const char* text;
    double expected;
};

TEST(SettingsFile, ReadsTheSpanAsAPlainOrScientificNumber) {
    const DateTimeCase cases[] = {
        {"DateTimePickerReverseTime=abc", 0.0},
        {"DateTimePickerReverseTime=", 0.0},
        {"DateTimePickerReverseTime=0.5", 0.5},
        {"DateTimePickerReverseTime=-0.25", -0.25},
        {"DateTimePickerReverseTime=1.5x", 1.5},
        {"DateTimePickerReverseTime=2.5E-0001", 0.25},
        {"DateTimePickerReverseTime= 3.77930416666667E+0004", DefaultReverseTime},
        {"OtherKey=1", DefaultReverseTime},
        // Outside the picker's range the date moves in and the time of day stays.
        {"DateTimePickerReverseTime=-6.93593062500000E+0005",
         core::CombineDateTime(FirstPickerDate(), core::EncodeTime(1, 30, 0, 0))},
        {"DateTimePickerReverseTime=2.95846599999999E+0006",
         core::CombineDateTime(LastPickerDate(), core::TimeOf(2958465.99999999))},
        {"DateTimePickerReverseTime=1E300", LastPickerDate()},
    };
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    for (const auto& c : cases) {
        WriteFileText(file, std::string("[OPTIONS]\r\n") + c.text + "\r\n");
        EXPECT_EQ(ReadSettings(file, kSkinCount).DateTimePickerReverseTime, c.expected) << c.text;
    }
}

TEST(SettingsFile, LeavesOtherSectionsAndKeysAlone) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    WriteFileText(file,
                  "[Window]\r\nLeft=10\r\n"
                  "[OPTIONS]\r\nSkinComboBox=1\r\nNote=keep me\r\n"
                  "[Last]\r\nActionComboBox=3\r\n");
    StoredSettings written;
    written.ActionComboBox = 2;
    WriteSettings(file, written);

    const std::vector<std::string> lines = FileLines(file);
    const auto count = [&](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
    EXPECT_EQ(count("[Window]"), 1);
    EXPECT_EQ(count("Left=10"), 1);
    EXPECT_EQ(count("Note=keep me"), 1);
    EXPECT_EQ(count("[Last]"), 1);
    EXPECT_EQ(count("ActionComboBox=3"), 1);
    EXPECT_EQ(count("ActionComboBox=2"), 1);
    EXPECT_EQ(count("SkinComboBox=0"), 1);
    EXPECT_EQ(count("SkinComboBox=1"), 0);
    EXPECT_EQ(ReadSettings(file, kSkinCount), written);
}

// ---------------------------------------------------------------------------
// Order of the keys

const std::vector<std::string> kKeysInOrder = {
    "RadioButtonDate", "RadioButtonCounter",  "DaysComboBox",
    "ComboBoxCPULoad", "ComboBoxCPULoadTime", "DateTimePickerReverseTime",
    "ActionComboBox",  "SkinComboBox",        "SkinFile",
    "NetQuietLevel",   "NetQuietSeconds",     "NetQuietAdapter",
    "ProcessName",     "SnoozeMinutes",
};

std::vector<std::string> StepsFor(const std::string& step) {
    std::vector<std::string> steps;
    for (const std::string& key : kKeysInOrder) steps.push_back(step + " " + key);
    return steps;
}

std::vector<std::string> StepsStartingWith(const std::vector<std::string>& steps, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& step : steps)
        if (step.rfind(prefix, 0) == 0) found.push_back(step);
    return found;
}

TEST(SettingsFile, ReadsAndWritesEachKeyOnceInTableOrder) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    StepFileSystem fileSystem;
    WriteSettings(fileSystem, file, StoredSettings{});
    EXPECT_EQ(StepsStartingWith(fileSystem.steps, "write "), StepsFor("write"));
    std::vector<std::string> readBack = StepsFor("read-back");
    readBack.push_back("read-back sections");
    EXPECT_EQ(StepsStartingWith(fileSystem.steps, "read-back "), readBack);
    fileSystem.steps.clear();
    ReadSettings(fileSystem, file, kSkinCount);
    EXPECT_EQ(StepsStartingWith(fileSystem.steps, "read "), StepsFor("read"));
}

TEST(SettingsFile, WriteIntoAMissingFolderRaises) {
    TempFolder folder;
    const std::string file = folder.Path() + "gone\\settings.ini";
    try {
        WriteSettings(file, StoredSettings{});
        ADD_FAILURE() << "a write into a missing folder went unreported";
    } catch (const core::Error& e) {
        EXPECT_EQ(e.text(), "Unable to write to " + file);
    }
    EXPECT_FALSE(FileExists(file));
}

// ---------------------------------------------------------------------------
// The settings folder

// The real system, except that the shell names `appData` and creating can be refused.
class FakeFolderSystem : public WindowsSettingsFolderSystem {
public:
    explicit FakeFolderSystem(std::optional<std::string> appData, bool refuseCreate = false)
        : appData_(std::move(appData)), refuseCreate_(refuseCreate) {}

    std::optional<std::string> ApplicationDataFolder() override { return appData_; }
    bool CreateFolder(const std::string& folder) override {
        created.push_back(folder);
        return !refuseCreate_ && WindowsSettingsFolderSystem::CreateFolder(folder);
    }

    std::vector<std::string> created;

private:
    std::optional<std::string> appData_;
    bool refuseCreate_;
};

std::string CannotCreateText(ISettingsFolderSystem& system) {
    try {
        SettingsFolder(system);
    } catch (const core::Error& e) {
        return e.text();
    }
    return "(nothing raised)";
}

TEST(SettingsFolder, CreatesItsFolderUnderApplicationDataOnce) {
    TempFolder appData;
    const std::string expected = appData.Path() + "Kalvex Now!\\";
    const std::string withoutDelimiter = appData.Path().substr(0, appData.Path().size() - 1);
    for (const std::string& named : {withoutDelimiter, appData.Path()}) {
        FakeFolderSystem system(named);
        EXPECT_EQ(SettingsFolder(system), expected) << named;
        EXPECT_TRUE(FolderExists(expected));
        // The second call finds the folder the first one made.
        EXPECT_EQ(system.created.size(), named == withoutDelimiter ? 1U : 0U) << named;
    }
}

TEST(SettingsFolder, RaisesWhenTheFolderCannotBeMade) {
    TempFolder appData;
    const std::string missingParent = appData.Path() + "missing";
    FakeFolderSystem deep(missingParent);
    EXPECT_EQ(CannotCreateText(deep), "Cannot create " + missingParent + "\\Kalvex Now!\\");
    EXPECT_FALSE(FolderExists(missingParent)); // one level only

    FakeFolderSystem refused(appData.Path(), true);
    EXPECT_EQ(CannotCreateText(refused), "Cannot create " + appData.Path() + "Kalvex Now!\\");

    WriteFileText(appData.Path() + "Kalvex Now!", "a file in the way");
    FakeFolderSystem blocked(appData.Path());
    EXPECT_EQ(CannotCreateText(blocked), "Cannot create " + appData.Path() + "Kalvex Now!\\");
}

TEST(SettingsFolder, FallsBackToTheExecutablesFolderWhenTheShellFails) {
    FakeFolderSystem system(std::nullopt);
    const std::string folder = SettingsFolder(system);
    EXPECT_TRUE(system.created.empty());

    char module[MAX_PATH + 1] = {};
    ASSERT_NE(GetModuleFileNameA(nullptr, module, sizeof module), 0U);
    const std::string exe = module;
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(exe.rfind(folder, 0), 0U) << exe;
    EXPECT_EQ(exe.find('\\', folder.size()), std::string::npos) << exe;
}

TEST(SettingsFolder, RealShellNamesTheApplicationDataFolder) {
    const std::string folder = SettingsFolder();
    const std::string suffix = "\\Kalvex Now!\\";
    ASSERT_GT(folder.size(), suffix.size());
    EXPECT_EQ(folder.substr(folder.size() - suffix.size()), suffix);
    EXPECT_TRUE(FolderExists(folder));

    InitSettingsFileName();
    EXPECT_EQ(SettingsFileName(), folder + "settings.ini");
}

} // namespace
