#include "toolkit/HandOver.h"

#include <utility>

#include "rtl/Error.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"

namespace tk {

namespace {

// Private to our own hidden window, so any id of the application range will do.
constexpr UINT kRunCallMessage = WM_APP;

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

} // namespace

HandOver::HandOver(std::function<void(WPARAM)> call) : call_(std::move(call)) {
    static const std::string className = Application::Instance().WindowClassName("HandOver");
    static const ATOM windowClass = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &HandOver::WindowProc;
        wc.hInstance = ModuleInstance();
        wc.lpszClassName = className.c_str();
        return RegisterClassExA(&wc);
    }();
    if (!windowClass) throw rtl::Error("Cannot register the hand-over window class");

    window_.Reset(CreateWindowExA(0, className.c_str(), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ModuleInstance(), nullptr));
    if (!window_) throw rtl::Error("Cannot create the hand-over window");
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HandOver::~HandOver() {
    if (destroyedDuringCall_) *destroyedDuringCall_ = true;
    // Destroying the window drops the calls still queued for it.
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

bool HandOver::Post(WPARAM tag) noexcept {
    return PostMessageA(window_.Get(), kRunCallMessage, tag, 0) != FALSE;
}

void HandOver::Dispatch(WPARAM tag) noexcept {
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

LRESULT CALLBACK HandOver::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message != kRunCallMessage) return DefWindowProcA(window, message, wParam, lParam);
    if (auto* self = reinterpret_cast<HandOver*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
        self->Dispatch(wParam);
    return 0;
}

} // namespace tk
