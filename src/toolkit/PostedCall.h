#pragma once
#include <windows.h>

#include <functional>

#include "toolkit/Handles.h"

namespace tk {

// Runs calls on the window thread on behalf of a worker thread. Each call
// travels as a posted message to a hidden message-only window, so every
// message loop of the window thread runs it: ours, the nested loops of modal
// dialogs and the system's own (message boxes). Posting does not wait: a
// worker that must know when a call has run arranges that with the call (as
// HandOver does).
//
// Create and destroy a PostedCall on the window thread; Post() may come from
// any thread while it exists. Calls still queued when it is destroyed are
// dropped. The call may destroy its own PostedCall.
class PostedCall {
public:
    // The call receives the tag its Post() was given.
    explicit PostedCall(std::function<void(WPARAM tag)> call);
    ~PostedCall();

    PostedCall(const PostedCall&) = delete;
    PostedCall& operator=(const PostedCall&) = delete;

    // Queues one call; false when the window thread's queue is full or gone.
    bool Post(WPARAM tag) noexcept;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Dispatch(WPARAM tag) noexcept;

    std::function<void(WPARAM)> call_;
    // Points at the running Dispatch()'s flag, so that a call that destroys
    // this object tells Dispatch() not to touch it afterwards.
    bool* destroyedDuringCall_ = nullptr;
    WindowHandle window_;
};

} // namespace tk
