#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "toolkit/Handles.h"
#include "toolkit/HintWindow.h"

namespace tk {

class Form;

// What the program tells the toolkit about itself before its first window.
struct AppIdentity {
    HICON icon = nullptr;           // shown by every form
    LPCSTR iconName = nullptr;      // its resource, for sizes other than the standard one
    std::string classPrefix = "Tk"; // begins the name of each window class of the toolkit
};

// The process's application object: the message loop with keyboard
// pre-processing (shortcuts, Tab, dialog keys, accelerators), minimising and
// restoring, and the hint window class.
class Application {
public:
    static Application& Instance();

    void Initialize();
    // Window classes are registered with what is set when the first one is needed.
    void SetIdentity(AppIdentity identity) { identity_ = std::move(identity); }
    const AppIdentity& Identity() const { return identity_; }
    std::string WindowClassName(const char* role) const { return identity_.classPrefix + role; }
    // The program's icon drawn for `size` pixels from its resource: none
    // without a resource.
    IconHandle IconOfSize(int size) const;

    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }

    // Runs until the main form closes or WM_QUIT arrives; returns the exit code.
    int Run();
    // Handles every message already waiting, then returns.
    void ProcessMessages();
    // Pre-processes and dispatches one message (used by nested loops too).
    void ProcessMessage(MSG& msg);
    void Terminate();

    void Minimize();
    void Restore();
    std::function<void()> OnMinimize;

    using HintFactory = std::function<std::unique_ptr<HintWindow>(HWND owner)>;
    void SetHintWindowClass(HintFactory factory) { hintFactory_ = std::move(factory); }
    std::unique_ptr<HintWindow> CreateHintWindow(HWND owner) const;

private:
    bool PreTranslate(const MSG& msg);

    AppIdentity identity_;
    Form* mainForm_ = nullptr;
    HintFactory hintFactory_;
};

} // namespace tk
