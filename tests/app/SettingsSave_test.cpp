// How the settings file is replaced: through a copy beside it, under the
// program's lock, and never left empty, partial or half-replaced.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "SettingsTestFiles.h"
#include "app/SettingsFile.h"
#include "app/global.h"
#include "core/Error.h"
#include "toolkit/Handles.h"

namespace {

using namespace settings_test;

constexpr int kSkinCount = 3;

// A file a user has had for a while: other sections, a key of its own in
// OPTIONS, and values the next save changes.
const std::string kOldText =
    "[Window]\r\nLeft=10\r\n"
    "[OPTIONS]\r\nRadioButtonDate=1\r\nNote=keep me\r\nDaysComboBox=12\r\nActionComboBox=3\r\n"
    "[Last]\r\nActionComboBox=3\r\n";

StoredSettings NewSettings() {
    StoredSettings s;
    s.DaysComboBox = 200;
    s.ActionComboBox = 4;
    s.SkinComboBox = 2;
    s.SkinFile = "Caf\xC3\xA9 \xE7\xA8\x8B\xE5\xBA\x8F.ini"; // any letter, whatever the code page
    return s;
}

// Raises what WriteSettings raises, or "" when it raises nothing.
std::string SaveError(ISettingsFileSystem& fileSystem, const std::string& file) {
    try {
        WriteSettings(fileSystem, file, NewSettings());
    } catch (const core::Error& e) {
        return e.text();
    }
    return "";
}

TEST(SettingsSave, ReplacesTheFileThroughACopyBesideIt) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    WriteFileText(file, kOldText);
    StepFileSystem fileSystem;
    WriteSettings(fileSystem, file, NewSettings());

    const char* const keys[] = {"RadioButtonDate", "RadioButtonCounter",  "DaysComboBox",
                                "ComboBoxCPULoad", "ComboBoxCPULoadTime", "DateTimePickerReverseTime",
                                "ActionComboBox",  "SkinComboBox",        "SkinFile",
                                "NetQuietLevel",   "NetQuietSeconds",     "NetQuietAdapter",
                                "ProcessName",     "SnoozeMinutes"};
    std::vector<std::string> expected = {"lock", "copy", "read sections"};
    for (const char* key : keys) expected.push_back(std::string("write ") + key);
    expected.push_back("flush");
    for (const char* key : keys) expected.push_back(std::string("read-back ") + key);
    expected.insert(expected.end(), {"read-back sections", "replace", "unlock"});
    EXPECT_EQ(fileSystem.steps, expected);

    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"settings.ini"});
    const std::vector<std::string> lines = FileLines(file);
    for (const char* kept : {"[Window]", "Left=10", "Note=keep me", "[Last]", "ActionComboBox=3"})
        EXPECT_EQ(std::count(lines.begin(), lines.end(), kept), 1) << kept;
    EXPECT_EQ(ReadSettings(file, kSkinCount), NewSettings());
}

struct FailureCase {
    const char* step;
    bool fileThere;
    // A read that fails gives nothing, which shows only when the copy is compared.
    const char* noticedAt = nullptr;
};

TEST(SettingsSave, AFailureAtAnyStepLeavesTheFileAsItWasAndReportsOnce) {
    const FailureCase cases[] = {
        {"copy", true},
        {"write RadioButtonDate", true},
        {"write DateTimePickerReverseTime", true},
        {"write SkinComboBox", true},
        {"flush", true},
        {"read-back RadioButtonDate", true},
        {"read-back SkinComboBox", true},
        {"read sections", true, "read-back sections"},
        {"read-back sections", true},
        {"replace", true},
        {"copy", false},
        {"write ActionComboBox", false},
        {"read-back DaysComboBox", false},
        {"replace", false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string file = folder.Path() + "settings.ini";
        if (c.fileThere) WriteFileText(file, kOldText);
        StepFileSystem fileSystem(c.step);
        EXPECT_EQ(SaveError(fileSystem, file), "Unable to write to " + file) << c.step;

        if (c.fileThere) {
            EXPECT_EQ(ReadFileText(file), kOldText) << c.step;
            EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"settings.ini"}) << c.step;
        } else {
            EXPECT_TRUE(FolderEntries(folder.Path()).empty()) << c.step;
        }
        const auto& steps = fileSystem.steps;
        const auto failed = std::find(steps.begin(), steps.end(), c.noticedAt ? c.noticedAt : c.step);
        ASSERT_NE(failed, steps.end()) << c.step;
        // Nothing but removing the copy and letting go of the lock after the failure.
        EXPECT_EQ(std::vector<std::string>(failed + 1, steps.end()),
                  (std::vector<std::string>{"delete", "unlock"}))
            << c.step;
    }
}

// The profile functions report success while the disk keeps only the first
// bytes of the file they wrote last: a full disk.
class DiskCutShortFileSystem : public StepFileSystem {
public:
    explicit DiskCutShortFileSystem(DWORD bytesLost) : bytesLost_(bytesLost) {}

    bool WriteValue(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) override {
        const bool written = StepFileSystem::WriteValue(section, key, value, file);
        if (key == "NetQuietAdapter") CutShort(file); // the last key written
        return written;
    }

private:
    void CutShort(const std::string& file) {
        tk::KernelHandle handle(CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(handle);
        // The time stays what the profile functions saw, as when they themselves wrote short.
        FILETIME written{};
        ASSERT_TRUE(GetFileTime(handle.Get(), nullptr, nullptr, &written));
        const DWORD size = GetFileSize(handle.Get(), nullptr);
        SetFilePointer(handle.Get(), static_cast<LONG>(size - bytesLost_), nullptr, FILE_BEGIN);
        ASSERT_TRUE(SetEndOfFile(handle.Get()));
        ASSERT_TRUE(SetFileTime(handle.Get(), nullptr, nullptr, &written));
    }

    DWORD bytesLost_;
};

TEST(SettingsSave, AFileCutShortBehindTheProfileFunctionsIsCaught) {
    // Half the file takes keys with it; the last bytes only a line of another section.
    for (const DWORD bytesLost : {static_cast<DWORD>(kOldText.size() / 2), 5UL}) {
        TempFolder folder;
        const std::string file = folder.Path() + "settings.ini";
        WriteFileText(file, kOldText);
        DiskCutShortFileSystem fileSystem(bytesLost);
        EXPECT_EQ(SaveError(fileSystem, file), "Unable to write to " + file) << bytesLost;
        EXPECT_EQ(ReadFileText(file), kOldText) << bytesLost;
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"settings.ini"}) << bytesLost;

        // Once there is room again, the same process saves and nothing stale comes back.
        StepFileSystem again;
        WriteSettings(again, file, NewSettings());
        EXPECT_EQ(ReadSettings(file, kSkinCount), NewSettings()) << bytesLost;
    }
}

TEST(SettingsSave, StaleCopiesAreRemovedOnLoadingAndNeverRead) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    WriteFileText(file, "[OPTIONS]\r\nActionComboBox=1\r\n");
    const std::string stale = TemporarySettingsFileName(file, 4242);
    WriteFileText(stale, "[OPTIONS]\r\nActionComboBox=3\r\n");
    // Names that only look alike are someone else's.
    for (const char* other :
         {"settings.ini.tmp", "settings.ini.12a.tmp", "other.ini.12.tmp", "settings.ini.7"})
        WriteFileText(folder.Path() + other, "x");

    StepFileSystem fileSystem;
    EXPECT_EQ(ReadSettings(fileSystem, file, kSkinCount).ActionComboBox, 1);
    EXPECT_FALSE(FileExists(stale));
    std::vector<std::string> left = FolderEntries(folder.Path());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"other.ini.12.tmp", "settings.ini", "settings.ini.12a.tmp",
                                              "settings.ini.7", "settings.ini.tmp"}));
    EXPECT_EQ(fileSystem.steps.front(), "lock");
    EXPECT_EQ(fileSystem.steps.back(), "unlock");
}

TEST(SettingsSave, WithoutTheLockALoadLeavesCopiesAloneAndASaveGoesOn) {
    TempFolder folder;
    const std::string file = folder.Path() + "settings.ini";
    WriteFileText(file, kOldText);
    const std::string othersCopy = TemporarySettingsFileName(file, 4242);
    WriteFileText(othersCopy, "[OPTIONS]\r\n");

    StepFileSystem loading("lock");
    ReadSettings(loading, file, kSkinCount);
    EXPECT_TRUE(FileExists(othersCopy)); // another copy may be writing it right now

    StepFileSystem saving("lock");
    WriteSettings(saving, file, NewSettings());
    EXPECT_EQ(ReadSettings(file, kSkinCount), NewSettings());
    EXPECT_EQ(std::count(saving.steps.begin(), saving.steps.end(), "unlock"), 0);
    EXPECT_EQ(std::count(loading.steps.begin(), loading.steps.end(), "find"), 0);
}

// Holds the program's named mutex on a thread of its own, as another copy would.
class OtherCopy {
public:
    // Holds the lock for `holdMs`, or until the thread ends without letting go when `abandon`.
    OtherCopy(DWORD holdMs, bool abandon) {
        tk::KernelHandle taken(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        thread_ = std::thread([holdMs, abandon, event = taken.Get()] {
            tk::KernelHandle mutex(CreateMutexA(nullptr, FALSE, InstanceMutexName));
            WaitForSingleObject(mutex.Get(), INFINITE);
            SetEvent(event);
            Sleep(holdMs);
            if (!abandon) ReleaseMutex(mutex.Get());
        });
        WaitForSingleObject(taken.Get(), INFINITE);
    }
    ~OtherCopy() { thread_.join(); }
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;

private:
    std::thread thread_;
};

struct LockCase {
    const char* what;
    DWORD holdMs;
    bool abandon;
    DWORD patienceMs;
    DWORD minimumWaitMs;
    DWORD maximumWaitMs;
};

TEST(SettingsSave, ASaveWaitsForTheLockButNotForEver) {
    const LockCase cases[] = {
        {"waits while another copy saves", 300, false, 5000, 250, 2500},
        {"goes on when another copy keeps the lock too long", 1500, false, 200, 150, 1000},
        {"takes the lock of a copy that was killed", 0, true, 5000, 0, 500},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string file = folder.Path() + "settings.ini";
        WriteFileText(file, kOldText);
        StepFileSystem fileSystem("", c.patienceMs);
        DWORD waited = 0;
        {
            OtherCopy other(c.holdMs, c.abandon);
            const DWORD start = GetTickCount();
            WriteSettings(fileSystem, file, NewSettings());
            waited = GetTickCount() - start;
        }
        EXPECT_GE(waited, c.minimumWaitMs) << c.what;
        EXPECT_LE(waited, c.maximumWaitMs) << c.what;
        EXPECT_EQ(ReadSettings(file, kSkinCount), NewSettings()) << c.what;
    }
}

} // namespace
