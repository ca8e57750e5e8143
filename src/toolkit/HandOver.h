#pragma once
#include <windows.h>

#include <functional>

#include "toolkit/Event.h"
#include "toolkit/Handles.h"
#include "toolkit/PostedCall.h"

namespace tk {

// Runs a call on the window thread on behalf of a worker thread and lets the
// worker wait until it has run. The call travels as a PostedCall, so every
// message loop of the window thread runs it: ours, the nested loops of modal
// dialogs and the system's own (message boxes).
//
// Create and destroy a HandOver on the window thread; Run() belongs to one
// worker thread at a time. The call may destroy its own HandOver.
class HandOver {
public:
    explicit HandOver(std::function<void()> call);
    ~HandOver();

    HandOver(const HandOver&) = delete;
    HandOver& operator=(const HandOver&) = delete;

    // Worker side: posts the call and blocks until it has run (true), or
    // returns false without it having run when the hand-over is cancelled or
    // the window thread can no longer take messages.
    bool Run();

    // Window side: releases a worker blocked in Run() and makes every later
    // Run() return false at once. A call already queued is dropped. Permanent.
    void Cancel() noexcept;

private:
    void Dispatch() noexcept;

    std::function<void()> call_;
    KernelHandle done_;      // auto-reset: one call has run
    KernelHandle cancelled_; // manual-reset: the worker must not wait any more
    // Points at the running Dispatch()'s flag, so that a call that destroys
    // this object tells Dispatch() not to touch it afterwards.
    bool* destroyedDuringCall_ = nullptr;
    PostedCall post_{[this](WPARAM) { Dispatch(); }}; // last: ends first, so no call arrives half torn down
};

} // namespace tk
