#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "toolkit/HintWindow.h"

namespace tk {

class Form;

// The process's application object: the message loop with keyboard
// pre-processing (shortcuts, Tab, dialog keys, accelerators), minimising and
// restoring, and the hint window class.
class Application {
public:
    static Application& Instance();

    void Initialize();
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

    Form* mainForm_ = nullptr;
    HintFactory hintFactory_;
};

} // namespace tk
