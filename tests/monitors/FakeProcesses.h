#pragma once
// A made-up session of processes for the program-closes watch, and a window
// that takes its message. Each process is an event, waited on as a process
// is, so a test can end any number of them in any order.
#include <windows.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "monitors/ProgramCloseWatch.h"
#include "toolkit/Handles.h"

namespace test_support {

using monitors::ProcessId;
using monitors::SessionProcess;

// The message the watch posts, and how soon it must come.
inline constexpr UINT kEnded = WM_APP + 1;
inline constexpr DWORD kPromptly = 2000;
inline constexpr DWORD kQuiet = 300;

// A made-up session: each process an event that is set when it "ends".
class FakeSession {
public:
    void Run(ProcessId id, const char* name) {
        processes_.push_back({id, name});
        events_.emplace(id, tk::KernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr)));
    }
    void End(ProcessId id) {
        SetEvent(events_.at(id).Get());
        std::erase_if(processes_, [id](const SessionProcess& p) { return p.id == id; });
    }
    void Refuse(ProcessId id) { refused_.push_back(id); }

    monitors::ProcessAccess Access() {
        return {[this] { return processes_; },
                [this](ProcessId id) {
                    HANDLE copy = nullptr;
                    if (std::find(refused_.begin(), refused_.end(), id) == refused_.end())
                        DuplicateHandle(GetCurrentProcess(), events_.at(id).Get(), GetCurrentProcess(), &copy,
                                        0, FALSE, DUPLICATE_SAME_ACCESS);
                    return tk::KernelHandle(copy);
                }};
    }

private:
    std::vector<SessionProcess> processes_;
    std::map<ProcessId, tk::KernelHandle> events_;
    std::vector<ProcessId> refused_;
};

// Where the watch posts its message.
class Listener {
public:
    Listener()
        : window_(
              CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    HWND Handle() const { return window_.Get(); }
    // The watch number of the next message, if one comes within `ms`.
    std::optional<WPARAM> Next(DWORD ms) {
        const DWORD start = GetTickCount();
        MSG msg;
        for (;;) {
            if (PeekMessageW(&msg, window_.Get(), kEnded, kEnded, PM_REMOVE)) return msg.wParam;
            if (GetTickCount() - start >= ms) return std::nullopt;
            constexpr DWORD kPollMs = 10;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_POSTMESSAGE);
        }
    }

private:
    tk::WindowHandle window_;
};

} // namespace test_support
