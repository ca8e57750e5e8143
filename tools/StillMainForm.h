#pragma once
// A main window for pictures and timings: a fixed clock, no processor load, a
// throwaway settings file and its own timer stopped.
#include <windows.h>

#include <memory>
#include <string>

#include "app/MainForm.h"
#include "rtl/DateTime.h"
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
    MainFormServices services;
    services.now = [] { return rtl::EncodeDateTime(2026, 12, 8, 10, 0, 0, 0); };
    services.cpu = {[] {}, [] { return 1; }, [](int) { return 0.25; }};
    services.settingsFileName = settingsFile;
    auto form = std::make_unique<TMainForm>(std::move(services));
    tk::Application::Instance().SetMainForm(form.get());
    form->SystemTimePingTimer.SetEnabled(false);
    return form;
}

} // namespace tools
