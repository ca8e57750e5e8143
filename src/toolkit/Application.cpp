#include "toolkit/Application.h"

#include <commctrl.h>

#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"

namespace tk {

namespace {
Form* FormOf(HWND hwnd) {
    HWND root = GetAncestor(hwnd, GA_ROOT);
    return dynamic_cast<Form*>(WinControl::FromHandle(root));
}
} // namespace

Application& Application::Instance() {
    static Application app;
    return app;
}

void Application::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES | ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

int Application::Run() {
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
    return static_cast<int>(msg.wParam);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // leave it for the loop that owns it
            return;
        }
        ProcessMessage(msg);
    }
}

void Application::ProcessMessage(MSG& msg) {
    try {
        if (PreTranslate(msg)) return;
    } catch (...) {
        HandleException();
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool Application::PreTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSCHAR) return false;
    Form* form = FormOf(msg.hwnd);
    if (!form || GetActiveWindow() != form->Handle()) return false;
    const ShiftState shift = ShiftState::Current();
    if (msg.message == WM_SYSCHAR) {
        form->ShowKeyboardCues();
        return form->HandleDialogChar(static_cast<char>(msg.wParam));
    }

    if (form->ExecuteShortCut(msg.wParam, shift)) return true;
    WinControl* focused = WinControl::FromHandle(msg.hwnd);
    if (focused && focused->WantsDialogKeys()) return false;
    switch (msg.wParam) {
    case VK_TAB:
        if (shift.ctrl || shift.alt) return false;
        form->ShowKeyboardCues();
        form->SelectNext(!shift.shift);
        return true;
    case VK_RETURN:
    case VK_ESCAPE: return form->HandleDialogKey(msg.wParam, shift);
    default: return false;
    }
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::Minimize() {
    if (!mainForm_) return;
    ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
    if (OnMinimize) OnMinimize();
}

void Application::Restore() {
    if (!mainForm_) return;
    ShowWindow(mainForm_->Handle(), SW_RESTORE);
    SetForegroundWindow(mainForm_->Handle());
}

std::unique_ptr<HintWindow> Application::CreateHintWindow(HWND owner) const {
    if (hintFactory_) return hintFactory_(owner);
    return std::make_unique<HintWindow>(owner);
}

IconHandle Application::IconOfSize(int size) const {
    if (!identity_.iconName) return IconHandle();
    return IconHandle(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), identity_.iconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

} // namespace tk
