#pragma once
// A main window with a fake clock, fake processor loads and a private
// settings file. Its own 250 ms timer is stopped: tests run ticks themselves.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "RecordingPowerSystem.h"
#include "app/MainForm.h"
#include "clocksync/LocalClock.h"
#include "core/DateTime.h"
#include "core/DateTimeText.h"
#include "dialogs/messageUnit.h"
#include "monitors/WinampWindow.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"
#include "ui/BtChkBox.h"

inline std::string Stamp(core::TDateTime t, const core::TFormatSettings& fs) {
    return core::DateText(t, fs) + " " + core::TimeText(t, fs);
}

class MainFormFixture : public ::testing::Test {
protected:
    static constexpr core::TDateTime kSteadyZero = 46000; // the steady clock's start, in 2025
    core::TDateTime now = core::EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
    std::vector<double> loads{0.0};
    bool failSample = false;
    std::vector<std::string> errors;
    std::vector<std::string> messages; // what the message dialog would have shown
    bool realMessageDialog = false;    // show the real dialog instead
    std::string commandLine = "KalvexNow.exe";
    std::string settingsFile;
    std::shared_ptr<RecordingPowerSystem> power = std::make_shared<RecordingPowerSystem>();
    std::unique_ptr<TMainForm> form;
    // Sync stays on the loopback interface and records the clock it would set;
    // only tests that count on Wine's refusal make the real call.
    std::string serverListFile;
    std::vector<core::TDateTime> clockSetTo;
    bool useRealClockSetter = false;
    std::function<void()> onNow; // runs whenever the window reads the clock
    // The notification area's calls, and the questions asked with their answer.
    struct ShellCall {
        DWORD message;
        std::string tip, info;
    };
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> questions;
    bool answerYes = false;
    // The local clock reads `now` plus this: a clock set or a zone moved
    // shifts it, while the steady clock keeps following `now`.
    core::TDateTime localShift = 0;
    // One adapter, "Ethernet", whose received octets the test moves.
    std::uint64_t ethernetOctets = 0;

    void SetUp() override {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        settingsFile = std::string(dir) + "kn_mainform_" + std::to_string(GetCurrentProcessId()) + "_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
        DeleteFileA(settingsFile.c_str());
        serverListFile = settingsFile + ".servers.txt";
        WriteServerList("*127.0.0.1\r\n");
        tk::SetErrorBoxHook([this](const std::string& text) { errors.push_back(text); });
    }

    void TearDown() override {
        form.reset();
        DropPostedMessages();
        tk::SetErrorBoxHook({});
        DeleteFileA(settingsFile.c_str());
        DeleteFileA(serverListFile.c_str());
    }

    MainFormServices Services(bool nt = true) {
        MainFormServices s;
        s.now = [this] {
            if (onNow) onNow();
            return now + localShift;
        };
        s.steadyMs = [this] {
            return static_cast<SteadyMs>(std::llround((now - kSteadyZero) * core::MSecsPerDay));
        };
        s.cpu.takeSample = [this] {
            if (failSample) throw std::runtime_error("Unable to locate the \"Processor\" performance object");
        };
        s.cpu.slotCount = [this] { return static_cast<int>(loads.size()); };
        s.cpu.loadFraction = [this](int i) { return loads.at(static_cast<std::size_t>(i)); };
        s.isNTPlatform = nt;
        s.settingsFileName = settingsFile;
        s.power = power;
        s.setLocalClock = [this](core::TDateTime value) {
            if (useRealClockSetter) return clocksync::SetLocalClock(value, true);
            clockSetTo.push_back(value);
            return clocksync::ClockSetResult{true, ""};
        };
        s.serverListFile = serverListFile;
        s.winamp = std::make_shared<monitors::WinampWindowLink>();
        s.commandLine = commandLine;
        s.notifyIcon = [this](DWORD message, NOTIFYICONDATAA* data) {
            shellCalls.push_back({message, data->szTip, (data->uFlags & NIF_INFO) ? data->szInfo : ""});
            return TRUE;
        };
        s.askYesNo = [this](const std::string& question) {
            questions.push_back(question);
            return answerYes;
        };
        s.readAdapters = [this] {
            return std::optional(
                std::vector<monitors::AdapterRow>{{1, "Ethernet", false, true, ethernetOctets, 0}});
        };
        if (realMessageDialog)
            s.showMessage = ::ShowMessageDlg;
        else
            s.showMessage = [this](const std::string& text) { messages.push_back(text); };
        return s;
    }

    void Create(bool nt = true) {
        form = std::make_unique<TMainForm>(Services(nt));
        tk::Application::Instance().SetMainForm(form.get());
        form->SystemTimePingTimer.SetEnabled(false);
        DropPostedMessages();
    }

    void WriteServerList(const std::string& text) {
        if (FILE* f = std::fopen(serverListFile.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }

    void WriteSetting(const char* key, const char* value) {
        WritePrivateProfileStringA("OPTIONS", key, value, settingsFile.c_str());
    }

    // Removes and counts the action requests the window posted to itself.
    int TakePowerRequests() {
        int count = 0;
        MSG msg;
        while (form && PeekMessageA(&msg, form->Handle(), WM_POWER_ACTION, WM_POWER_ACTION, PM_REMOVE))
            ++count;
        return count;
    }

    int TakePosted(UINT message) {
        int count = 0;
        MSG msg;
        while (form && PeekMessageA(&msg, form->Handle(), message, message, PM_REMOVE)) ++count;
        return count;
    }

    static void DropPostedMessages() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_USER, WM_USER + 200, PM_REMOVE)) {}
    }

    void Tick() { form->SystemTimePingTimerTimer(); }
    void ArmCountdown(int days, int h, int m, int s) {
        form->RadioButtonCounter->SetChecked(true);
        form->RadioButtonCounterClick();
        form->DaysComboBox->SetItemIndex(days);
        form->DateTimePickerReverseTime->SetDateTime(core::EncodeDateTime(2003, 6, 21, h, m, s, 0));
        form->CheckBoxTimer->SetChecked(true);
        form->CheckBoxTimerClick();
    }
    void AdvanceMs(int ms) { now += ms / 86400000.0; }
    void AdvanceSeconds(int s) { now = core::IncSecond(now, s); }
};
