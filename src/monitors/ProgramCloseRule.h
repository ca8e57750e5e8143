#pragma once
// When the program-closes trigger fires, without a process or a window: the
// choice of what to wait for, and the look again by name once every watched
// process has ended. The processes come in as lists of ids and names, so the
// rules run without any.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace monitors {

using ProcessId = std::uint32_t;

// A process of the user's session.
struct SessionProcess {
    ProcessId id = 0;
    std::string name; // its executable's file name, UTF-8
};

// What the trigger waits for: every process of an executable name, or one
// process chosen from the list of running programs.
struct ProgramChoice {
    std::string name; // UTF-8
    std::optional<ProcessId> chosen;
};

// An executable name as typed: the file name of a path, with ".exe" when it
// has no extension of its own.
std::string ExecutableName(std::string_view typed);

struct ProgramWatchStep {
    bool due = false;             // nothing left to wait for: the trigger fires
    std::vector<ProcessId> watch; // else these, until every one has ended
};

class ProgramCloseRule {
public:
    // The processes to wait for, from the session as it is now; none when
    // nothing matches (the trigger must then refuse to arm, never fire). A
    // chosen process must still run under its name.
    std::vector<ProcessId> Arm(const ProgramChoice& choice, const std::vector<SessionProcess>& running);

    // Every watched process has ended: a job may have handed over to a new
    // process of the same name, which is then waited for in turn. With one
    // process chosen, the others of its name that ran at arming are not its
    // job and never hold the trigger back.
    ProgramWatchStep AfterLastEnded(const std::vector<SessionProcess>& running) const;

    const std::string& Name() const { return name_; }

private:
    std::vector<ProcessId> Matching(const std::vector<SessionProcess>& running) const;

    std::string name_;
    std::vector<ProcessId> notOurs_;
};

} // namespace monitors
