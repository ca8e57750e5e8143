#include "app/Program.h"

#include <windows.h>

#include "app/MainForm.h"
#include "app/Product.h"
#include "app/global.h"
#include "monitors/adCpuUsage.h"
#include "resource.h"
#include "toolkit/Application.h"
#include "toolkit/ApplicationTitle.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Handles.h"
#include "toolkit/SystemLibrary.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"
#include "ui/skin.h"

namespace {

// Ends the sampler however the program ends.
struct CpuSamplerSession {
    CpuSamplerSession() { InitCpuSampler(); }
    ~CpuSamplerSession() { CloseCpuSampler(); }
    CpuSamplerSession(const CpuSamplerSession&) = delete;
    CpuSamplerSession& operator=(const CpuSamplerSession&) = delete;
};
} // namespace

int RunProgram(int showCommand) {
    // Before anything can load a library: System32 only, never the program's
    // own folder (a Downloads folder holds whatever was saved there).
    tk::RestrictLibrarySearchToSystem32();
    tk::SetApplicationTitle(kProductTitle);
    tk::Application::Instance().SetIdentity(
        {.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON)),
         .classPrefix = "KalvexNow"});
    // Process-wide state first: the skins, the settings path, then the
    // sampler. Without them the program cannot run; the error is shown and the
    // process ends.
    std::unique_ptr<CpuSamplerSession> sampler;
    try {
        ui::LoadSkinList(WindowsSettingsFolderSystem().ExecutableFolder(), tk::LoadText(lang::LanguageCode));
        InitSettingsFileName();
        sampler = std::make_unique<CpuSamplerSession>();
    } catch (...) {
        tk::HandleException();
        return 1;
    }

    // A second copy starts and runs normally; the mutex only makes copies take
    // turns with the settings file.
    tk::KernelHandle instanceMutex(CreateMutexA(nullptr, FALSE, InstanceMutexName));

    auto& app = tk::Application::Instance();
    app.Initialize();
    int exitCode = 0;
    {
        TMainForm mainForm(DefaultMainFormServices());
        app.SetMainForm(&mainForm);
        mainForm.Show();
        if (showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_MINIMIZE ||
            showCommand == SW_SHOWMINIMIZED)
            app.Minimize();
        exitCode = app.Run();
    }
    return exitCode;
}
