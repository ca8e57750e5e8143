#pragma once
// The processes of the user's session and waits on them that cost nothing
// until one ends.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "monitors/ProgramCloseRule.h"
#include "toolkit/Handles.h"

namespace monitors {

// Opens a process for waiting on it; none when that is not allowed (a
// process of another user, or an elevated one).
using ProcessOpener = std::function<tk::KernelHandle(ProcessId)>;
tk::KernelHandle OpenForWaiting(ProcessId id);

// Every process of this program's session but this program itself, named
// through the wide calls so that any name comes through.
std::vector<SessionProcess> SessionProcesses();

// Waits on processes with the system's thread pool, one registered wait per
// process: the pool spreads them over as many threads as the count needs (one
// thread waits on at most 63), and no thread of ours runs in between. When
// the last one has ended, `message` is posted to `window` with the watch's
// number in wParam.
class ProcessWaits {
public:
    ProcessWaits(HWND window, UINT message) : window_(window), message_(message) {}
    ~ProcessWaits() { Stop(); }
    ProcessWaits(const ProcessWaits&) = delete;
    ProcessWaits& operator=(const ProcessWaits&) = delete;

    // Ends any earlier watch and waits for `ids`. When one cannot be opened
    // nothing is waited for and that one is returned.
    std::optional<ProcessId> Start(const std::vector<ProcessId>& ids, const ProcessOpener& open);
    void Stop();

    std::size_t Count() const { return processes_.size(); }
    // The posted message tells of this watch, not of one stopped since.
    bool IsCurrent(WPARAM watch) const { return running_ && watch == watch_; }

private:
    // Shared with the pool's callbacks; outlives them, as Stop closes every wait first.
    struct Countdown {
        std::atomic<std::size_t> left;
        HWND window;
        UINT message;
        WPARAM watch;
    };
    static void CALLBACK Ended(PVOID countdown, BOOLEAN timedOut) noexcept;

    HWND window_;
    UINT message_;
    WPARAM watch_ = 0;
    bool running_ = false;
    std::unique_ptr<Countdown> countdown_;
    std::vector<tk::KernelHandle> processes_;
    std::vector<tk::RegisteredWait> waits_;
};

} // namespace monitors
