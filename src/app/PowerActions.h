#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/ActionIndex.h"
#include "toolkit/SystemError.h"

// The session and power services a power action needs, so that tests can
// record the calls instead of ending the session.
class IPowerSystem {
public:
    virtual ~IPowerSystem() = default;

    virtual void EnableShutdownPrivilege() = 0;
    // Each call returns whether the system accepted it; LastError then holds
    // the reason of a refusal.
    virtual bool ExitWindowsEx(UINT flags, DWORD reason) = 0;
    virtual bool SetSystemPowerState(BOOL suspend, BOOL force) = 0;
    // Empty when the system has no SetSuspendState.
    virtual std::optional<bool> SetSuspendState(bool hibernate, bool force, bool wakeEventsDisabled) = 0;
    virtual DWORD LastError() const = 0;
};

// The operating system's own services.
class WindowsPowerSystem final : public IPowerSystem {
public:
    WindowsPowerSystem();
    ~WindowsPowerSystem() override;
    WindowsPowerSystem(const WindowsPowerSystem&) = delete;
    WindowsPowerSystem& operator=(const WindowsPowerSystem&) = delete;

    void EnableShutdownPrivilege() override;
    bool ExitWindowsEx(UINT flags, DWORD reason) override;
    bool SetSystemPowerState(BOOL suspend, BOOL force) override;
    std::optional<bool> SetSuspendState(bool hibernate, bool force, bool wakeEventsDisabled) override;
    DWORD LastError() const override { return lastError_; }

    // Loads powrprof.dll from the system folder, once.
    bool HasSetSuspendState();

private:
    class PowerLibrary;
    const PowerLibrary& Library();
    bool Record(bool accepted);

    DWORD lastError_ = ERROR_SUCCESS;
    std::unique_ptr<PowerLibrary> powerLibrary_; // loaded on first use
};

struct PowerActionOutcome {
    bool succeeded = false;
    DWORD error = ERROR_SUCCESS;
    std::string message; // the system's text for the error; empty on success
};

// Makes the operating-system call of the action: the shutdown privilege
// first on the NT family, then the one call of the action table. Standby and
// hibernation that SetSystemPowerState refuses are tried once more with
// SetSuspendState where the system has it.
PowerActionOutcome CarryOutPowerAction(int action, bool isNTPlatform, IPowerSystem& system);
