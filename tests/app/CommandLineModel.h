#pragma once
// The main window as the command line sees it, reduced to its values, for
// tests and the fuzz target. Every call is logged by name.
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "core/DateTime.h"

struct CommandLineModel : cmdline::CommandLineTarget {
    // The window as the settings file leaves it at start-up.
    core::TDateTime now = core::EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
    core::TFormatSettings formats;
    core::TDateTime earliest = core::DateOf(now);
    int action = 0;
    bool winamp = false;
    int loadLevel = 10;
    int loadWindowItem = 4;
    bool cpu = false;
    int days = 0;
    core::TDateTime span = core::EncodeTime(1, 0, 0, 0);
    bool countdownMode = true;
    core::TDateTime targetDate = now; // date and time, like the date picker
    core::TDateTime targetTime = now;
    bool timer = false;
    int netLevel = 10;
    int netWindow = 60;
    std::string netAdapter;
    bool net = false;
    std::string programName;
    bool programArmed = false;
    std::string programRefusal; // what arming the program-closes trigger answers
    int optionsShown = 0;
    std::vector<std::string> calls;

    core::TDateTime Now() const override { return now; }
    const core::TFormatSettings& Formats() const override { return formats; }
    void SelectAction(int a) override {
        Log("SelectAction");
        action = a;
    }
    void ToggleWinamp() override {
        Log("ToggleWinamp");
        winamp = !winamp;
    }
    void SelectLoadLevel(int percent) override {
        Log("SelectLoadLevel");
        loadLevel = percent;
    }
    void SelectLoadWindowItem(int item) override {
        Log("SelectLoadWindowItem");
        loadWindowItem = item;
    }
    void ToggleCpu() override {
        Log("ToggleCpu");
        cpu = !cpu;
    }
    void SelectDays(int d) override {
        Log("SelectDays");
        days = d;
    }
    void SetCountdownSpan(core::TDateTime timeOfDay) override {
        Log("SetCountdownSpan");
        span = timeOfDay;
    }
    void SelectCountdownMode() override {
        Log("SelectCountdownMode");
        countdownMode = true;
    }
    core::TDateTime EarliestDate() const override { return earliest; }
    void SetTargetDate(core::TDateTime date) override {
        Log("SetTargetDate");
        targetDate = core::CombineDateTime(date, targetDate);
    }
    void SetTargetTime(core::TDateTime timeOfDay) override {
        Log("SetTargetTime");
        targetTime = timeOfDay;
    }
    core::TDateTime DateModeTarget() override {
        targetDate = core::CombineDateTime(targetDate, targetTime);
        return targetDate;
    }
    void SelectDateMode() override {
        Log("SelectDateMode");
        countdownMode = false;
    }
    void Tick() override { Log("Tick"); }
    void ToggleTimer() override {
        Log("ToggleTimer");
        timer = !timer;
    }
    void SelectNetLevel(int kb) override {
        Log("SelectNetLevel");
        netLevel = kb;
    }
    void SelectNetWindow(int seconds) override {
        Log("SelectNetWindow");
        netWindow = seconds;
    }
    void SelectNetAdapter(const std::string& name) override {
        Log("SelectNetAdapter");
        netAdapter = name;
    }
    void ToggleNet() override {
        Log("ToggleNet");
        net = !net;
    }
    std::string ToggleProgramClose(const std::string& executable) override {
        Log("ToggleProgramClose");
        programName = executable;
        programArmed = !programArmed && programRefusal.empty();
        return programArmed ? std::string() : programRefusal;
    }
    void ShowOptions() override {
        Log("ShowOptions");
        ++optionsShown;
    }

private:
    void Log(const char* call) { calls.emplace_back(call); }
};
