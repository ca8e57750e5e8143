#pragma once
// The program-closes trigger's watch: the rule, the session's processes and
// the waits on them. It posts a message when every watched process has
// ended; the window hands that back here to learn whether the trigger is due.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "monitors/ProcessWaits.h"
#include "monitors/ProgramCloseRule.h"

namespace monitors {

enum class ProgramArming {
    Armed,
    NotRunning,  // no process to wait for: arming never fires at once
    CannotWatch, // a matching process may not be opened (another user's, elevated)
};

enum class ProgramWatchEvent {
    Stale,   // the message tells of a watch stopped since
    Waiting, // handed over to new processes of the name
    Due,     // none left: the trigger fires
    Lost,    // a new process of the name cannot be watched: disarmed, nothing fires
};

// Where the watch gets the session's processes and opens them; tests replace either.
struct ProcessAccess {
    std::function<std::vector<SessionProcess>()> list = SessionProcesses;
    ProcessOpener open = OpenForWaiting;
};

class ProgramCloseWatch {
public:
    ProgramCloseWatch(HWND window, UINT message, ProcessAccess access = {})
        : access_(std::move(access)), waits_(window, message) {}

    ProgramArming Arm(const ProgramChoice& choice);
    void Disarm() { waits_.Stop(); }
    bool Armed() const { return waits_.Count() > 0; }
    // How many processes are waited for now.
    std::size_t Watched() const { return waits_.Count(); }
    const std::string& Name() const { return rule_.Name(); }

    // The watch's message has come. Due and Lost leave the watch disarmed.
    ProgramWatchEvent WatchEnded(WPARAM watch);

private:
    ProcessAccess access_;
    ProgramCloseRule rule_;
    ProcessWaits waits_;
};

} // namespace monitors
