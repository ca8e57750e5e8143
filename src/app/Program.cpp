#include "app/Program.h"

#include <windows.h>

#include <memory>
#include <string>

#include "app/Platform.h"
#include "toolkit/Application.h"
#include "toolkit/ApplicationTitle.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"

namespace {

constexpr int kClientWidth = 521;
constexpr int kClientHeight = 257;

} // namespace

int RunProgram(int showCommand) {
    // Never tested: a second copy starts and runs normally.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "KalvexNow");
    tk::SetApplicationTitle("Kal Vex Now!");
    auto& app = tk::Application::Instance();
    app.Initialize();

    tk::FormArgs args;
    args.name = "MainForm";
    args.caption = std::string("Kalvex Now!") + PlatformCaptionSuffix(IsNTPlatformFamily());
    args.clientWidth = kClientWidth;
    args.clientHeight = kClientHeight;
    args.snapToEdges = true;
    auto mainForm = std::make_unique<tk::Form>(args);
    app.SetMainForm(mainForm.get());
    mainForm->Show();
    ShowWindow(mainForm->Handle(), showCommand);
    const int exitCode = app.Run();
    mainForm.reset();
    if (mutex) CloseHandle(mutex);
    return exitCode;
}
