#pragma once
// The options the program can be started with. The parser is pure: it works
// on the split arguments and reaches the window through CommandLineTarget.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/DateTime.h"
#include "core/FormatSettings.h"

namespace cmdline {

// What the options change, in the window's own terms. Each call does what the
// user's matching click or choice would do, handlers included.
class CommandLineTarget {
public:
    virtual ~CommandLineTarget() = default;

    virtual core::TDateTime Now() const = 0;
    virtual const core::TFormatSettings& Formats() const = 0;

    // Selects the action and shows its captions.
    virtual void SelectAction(int action) = 0;
    // Toggles the media-player box and runs its click handler.
    virtual void ToggleWinamp() = 0;

    virtual void SelectLoadLevel(int percent) = 0;
    virtual void SelectLoadWindowItem(int item) = 0;
    // Toggles the processor-load box; it has no click handler.
    virtual void ToggleCpu() = 0;

    virtual void SelectDays(int days) = 0;
    // The countdown span's time of day; its date part stays.
    virtual void SetCountdownSpan(core::TDateTime timeOfDay) = 0;
    // Ticks the countdown box and runs its click handler.
    virtual void SelectCountdownMode() = 0;

    // The earliest date the date picker takes: the day the program started.
    virtual core::TDateTime EarliestDate() const = 0;
    // The date picker's date; its time of day stays.
    virtual void SetTargetDate(core::TDateTime date) = 0;
    virtual void SetTargetTime(core::TDateTime timeOfDay) = 0;
    virtual core::TDateTime DateModeTarget() = 0;
    // Ticks the date box and runs its click handler.
    virtual void SelectDateMode() = 0;

    virtual void Tick() = 0;
    // Toggles the timer box and runs its click handler.
    virtual void ToggleTimer() = 0;

    // The network-quiet trigger: values of its lists, and its adapter by the
    // name the system shows ("loopback" for loopback).
    virtual void SelectNetLevel(int kbPerSecond) = 0;
    virtual void SelectNetWindow(int seconds) = 0;
    virtual void SelectNetAdapter(const std::string& name) = 0;
    // Toggles the network-quiet box and runs its click handler.
    virtual void ToggleNet() = 0;
    // Names the executable whose end the program-closes trigger waits for,
    // toggles its box and runs its click handler. Empty when that armed or
    // disarmed the trigger; else why it refused to arm (nothing of that name
    // runs, or it cannot be watched).
    virtual std::string ToggleProgramClose(const std::string& executable) = 0;

    // Answers -?, /? and -help.
    virtual void ShowOptions() = 0;
};

// The arguments as split, argument 0 (the program's path) included. Options
// apply in the order given, each one toggling rather than setting its
// trigger. An invalid time or date raises core::Error with the runtime's
// text, and a program-closes trigger that refuses to arm raises it with the
// refusal; the options after it are not applied. An unknown argument, one with
// a blank or tab in it (an adapter's name excepted), or an invalid number is
// ignored. A request for help
// anywhere shows the option table and applies nothing.
// `utf8Arguments`, when given, are the same arguments as UTF-8, read where
// the ANSI code page may have lost characters: in the names of programs.
void ApplyCommandLine(const std::vector<std::string>& arguments, CommandLineTarget& target,
                      const std::vector<std::string>& utf8Arguments = {});

// Arguments that ask for the option table; matched exactly.
inline constexpr std::array<std::string_view, 3> kHelpRequests = {"-?", "/?", "-help"};

} // namespace cmdline
