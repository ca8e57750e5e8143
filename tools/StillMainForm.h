#pragma once
// A main window for pictures and timings: the real services, but a fixed
// clock, a fixed processor load and network, a throwaway settings file and
// its own timer stopped.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "core/DateTime.h"
#include "toolkit/Application.h"

namespace tools {

inline std::string ThrowawaySettingsFile(const char* name) {
    char folder[MAX_PATH + 1] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string file = std::string(folder) + name + std::to_string(GetCurrentProcessId()) + ".ini";
    DeleteFileA(file.c_str());
    return file;
}

inline std::unique_ptr<TMainForm> StillMainForm(const std::string& settingsFile) {
    MainFormServices services = DefaultMainFormServices();
    services.now = [] { return core::EncodeDateTime(2026, 12, 8, 10, 0, 0, 0); };
    services.steadyMs = [] { return SteadyMs{0}; };
    services.commandLine = services.commandLineUtf8 = "KalvexNow.exe"; // not this tool's arguments
    services.readAdapters = [] {
        return std::optional<std::vector<monitors::AdapterRow>>{{{.id = 1, .name = "Ethernet", .up = true}}};
    };
    services.cpu = {[] {}, [] { return 1; }, [](int) { return 0.25; }};
    services.settingsFileName = settingsFile;
    auto form = std::make_unique<TMainForm>(std::move(services));
    tk::Application::Instance().SetMainForm(form.get());
    form->SystemTimePingTimer.SetEnabled(false);
    return form;
}

} // namespace tools
