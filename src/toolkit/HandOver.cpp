#include "toolkit/HandOver.h"

#include <utility>

#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"

namespace tk {

namespace {

// Private to our own hidden window, so any id of the application range will do.
constexpr UINT kRunCallMessage = WM_APP;
constexpr DWORD kHandlesToWaitFor = 2;

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

} // namespace

HandOver::HandOver(std::function<void()> call)
    : call_(std::move(call)),
      done_(CreateEventHandle(EventReset::Automatic)),
      cancelled_(CreateEventHandle(EventReset::Manual)) {
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
    Cancel();
    if (destroyedDuringCall_) *destroyedDuringCall_ = true;
}

bool HandOver::Run() {
    if (WaitForSingleObject(cancelled_.Get(), 0) == WAIT_OBJECT_0) return false;
    // Taken before posting: once posted, the call may run and end our owner.
    const HANDLE events[kHandlesToWaitFor] = {done_.Get(), cancelled_.Get()};
    // Fails only when the window thread's queue is full or gone; the call is
    // then skipped rather than waited for for ever.
    if (!PostMessageA(window_.Get(), kRunCallMessage, 0, 0)) return false;
    return WaitForMultipleObjects(kHandlesToWaitFor, events, FALSE, INFINITE) == WAIT_OBJECT_0;
}

void HandOver::Cancel() noexcept { SetEvent(cancelled_.Get()); }

void HandOver::Dispatch() noexcept {
    if (WaitForSingleObject(cancelled_.Get(), 0) == WAIT_OBJECT_0) return;
    bool destroyed = false;
    destroyedDuringCall_ = &destroyed;
    try {
        // A copy, because the call may destroy this object and with it call_.
        const auto call = call_;
        call();
    } catch (...) {
        HandleException();
    }
    if (destroyed) return;
    destroyedDuringCall_ = nullptr;
    SetEvent(done_.Get());
}

LRESULT CALLBACK HandOver::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message != kRunCallMessage) return DefWindowProcA(window, message, wParam, lParam);
    if (auto* self = reinterpret_cast<HandOver*>(GetWindowLongPtrA(window, GWLP_USERDATA))) self->Dispatch();
    return 0;
}

} // namespace tk
