#include "toolkit/PostedCall.h"

#include <utility>

#include "core/Error.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"

namespace tk {

namespace {

// Private to our own hidden window, so any id of the application range will do.
constexpr UINT kRunCallMessage = WM_APP;

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

} // namespace

PostedCall::PostedCall(std::function<void(WPARAM)> call) : call_(std::move(call)) {
    static const std::string className = Application::Instance().WindowClassName("PostedCall");
    static const ATOM windowClass = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &PostedCall::WindowProc;
        wc.hInstance = ModuleInstance();
        wc.lpszClassName = className.c_str();
        return RegisterClassExA(&wc);
    }();
    if (!windowClass) throw core::Error("Cannot register the posted-call window class");

    window_.Reset(CreateWindowExA(0, className.c_str(), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ModuleInstance(), nullptr));
    if (!window_) throw core::Error("Cannot create the posted-call window");
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PostedCall::~PostedCall() {
    if (destroyedDuringCall_) *destroyedDuringCall_ = true;
    // Destroying the window drops the calls still queued for it.
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

bool PostedCall::Post(WPARAM tag) noexcept {
    return PostMessageA(window_.Get(), kRunCallMessage, tag, 0) != FALSE;
}

void PostedCall::Dispatch(WPARAM tag) noexcept {
    bool destroyed = false;
    destroyedDuringCall_ = &destroyed;
    try {
        // A copy, because the call may destroy this object and with it call_.
        const auto call = call_;
        call(tag);
    } catch (...) {
        HandleException();
    }
    if (!destroyed) destroyedDuringCall_ = nullptr;
}

LRESULT CALLBACK PostedCall::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message != kRunCallMessage) return DefWindowProcA(window, message, wParam, lParam);
    if (auto* self = reinterpret_cast<PostedCall*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
        self->Dispatch(wParam);
    return 0;
}

} // namespace tk
