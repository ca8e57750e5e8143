#include "toolkit/HandOver.h"

#include <utility>

#include "toolkit/ErrorReport.h"

namespace tk {

namespace {

constexpr DWORD kHandlesToWaitFor = 2;

} // namespace

HandOver::HandOver(std::function<void()> call)
    : call_(std::move(call)),
      done_(CreateEventHandle(EventReset::Automatic)),
      cancelled_(CreateEventHandle(EventReset::Manual)) {}

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
    if (!post_.Post(0)) return false;
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

} // namespace tk
