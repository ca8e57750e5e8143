#pragma once
// A stand-in for the session and power services that records every call.
#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/PowerActions.h"

// One call as the fake saw it; unused arguments stay 0.
struct Call {
    std::string name;
    long long a = 0, b = 0, c = 0;
    bool operator==(const Call&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Call& call) {
    return out << call.name << "(" << call.a << ", " << call.b << ", " << call.c << ")";
}

inline const Call kPrivilege{"EnableShutdownPrivilege"};
inline Call Exit(long long flags) { return {"ExitWindowsEx", flags, 0xFFFF}; }
inline Call PowerState(long long suspend, long long force) { return {"SetSystemPowerState", suspend, force}; }
inline Call Suspend(bool hibernate) { return {"SetSuspendState", hibernate, true, false}; }

// Records every call and answers as told. Nothing reaches the system: under
// Wine a forced end of session would end every program of the prefix.
class RecordingPowerSystem : public IPowerSystem {
public:
    std::vector<Call> calls;
    bool acceptExit = true;
    bool acceptPowerState = true;
    std::optional<bool> suspendAnswer; // empty: the system has no SetSuspendState
    DWORD errorOfRefusal = ERROR_ACCESS_DENIED;

    void EnableShutdownPrivilege() override { calls.push_back(kPrivilege); }
    bool ExitWindowsEx(UINT flags, DWORD reason) override {
        calls.push_back({"ExitWindowsEx", flags, reason});
        return Answer(acceptExit);
    }
    bool SetSystemPowerState(BOOL suspend, BOOL force) override {
        calls.push_back(PowerState(suspend, force));
        return Answer(acceptPowerState);
    }
    std::optional<bool> SetSuspendState(bool hibernate, bool force, bool wakeEventsDisabled) override {
        calls.push_back({"SetSuspendState", hibernate, force, wakeEventsDisabled});
        if (suspendAnswer) Answer(*suspendAnswer);
        return suspendAnswer;
    }
    DWORD LastError() const override { return lastError_; }

private:
    bool Answer(bool accepted) {
        lastError_ = accepted ? ERROR_SUCCESS : errorOfRefusal;
        return accepted;
    }
    DWORD lastError_ = ERROR_SUCCESS;
};
