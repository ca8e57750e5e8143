#pragma once
#include <string>
#include <vector>

#include "app/ListRanges.h"
#include "core/DateTime.h"

class ISettingsFileSystem;

// 21 June 2003 01:00:00: of it only the time of day counts, a countdown of one hour.
inline constexpr core::TDateTime DefaultReverseTime = 37793.0416666667;

inline constexpr int kDefaultSnoozeMinutes = 10;
inline constexpr int kMaxSnoozeMinutes = 24 * 60;

// The choices kept in section OPTIONS, in the order of the file.
struct StoredSettings {
    bool RadioButtonDate = false;
    bool RadioButtonCounter = true;
    int DaysComboBox = lists::kDefaultDaysItem;
    int ComboBoxCPULoad = lists::kDefaultLoadItem;
    int ComboBoxCPULoadTime = lists::kDefaultWindowItem;
    core::TDateTime DateTimePickerReverseTime = DefaultReverseTime;
    int ActionComboBox = lists::kDefaultActionItem;
    int SkinComboBox = 0;
    // The chosen skin's file name (UTF-8), so that new skin files cannot move
    // the choice; stored percent-encoded, plain ASCII in any code page.
    std::string SkinFile;
    // The network-quiet trigger keeps values, not list positions: KB/s,
    // seconds, and the adapter's name (empty: every adapter but loopback).
    int NetQuietLevel = lists::kDefaultNetLevel;
    int NetQuietSeconds = lists::kDefaultNetWindow;
    std::string NetQuietAdapter;
    int SnoozeMinutes = kDefaultSnoozeMinutes; // how long "Later" puts the action off
    // The program-closes trigger's executable, UTF-8; empty when none was chosen.
    std::string ProcessName;

    bool operator==(const StoredSettings&) const = default;
};

// Missing keys and values that are no number give the defaults above; indices
// outside their lists give the list's default (ComboBoxCPULoadTime, ActionComboBox
// and SkinComboBox fall back to item 0), and network-quiet values that are
// none of the lists' items give their defaults; a countdown value outside the range
// of the picker is clamped into it (see CountdownSpan.h). A missing file gives
// all defaults. ProcessName is kept percent-encoded like SkinFile, so that
// the ANSI profile functions carry any name whatever the code page; a value
// that is no UTF-8 once decoded (typed in by hand in an ANSI code page) is
// read as ISO 8859-1. Reads under the program's lock, and first removes the
// temporary files that a save killed half-way left behind.
StoredSettings ReadSettings(ISettingsFileSystem& fileSystem, const std::string& file, int skinCount);
StoredSettings ReadSettings(const std::string& file, int skinCount);

// The item of the skin list to select: the stored file's where it is still
// listed, else the stored position.
int ChosenSkinItem(const StoredSettings& settings, const std::vector<std::string>& skinFiles);

// Writes every key in order into a copy of the file beside it (so other
// sections and keys stay as they are), makes sure the copy reached the disk
// and reads the keys back, and only then puts the copy in the place of the
// file in one step. Holds the program's lock meanwhile, or goes on without it
// when another copy keeps it too long. Any failure leaves the file as it was,
// removes the copy and raises core::Error("Unable to write to <file>").
void WriteSettings(ISettingsFileSystem& fileSystem, const std::string& file, const StoredSettings& settings);
void WriteSettings(const std::string& file, const StoredSettings& settings);

// Where a save by process `processId` writes before it replaces `file`.
std::string TemporarySettingsFileName(const std::string& file, unsigned long processId);
