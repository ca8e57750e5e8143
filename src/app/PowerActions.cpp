#include "app/PowerActions.h"

#include <array>
#include <memory>
#include <string>

#include "toolkit/Handles.h"
#include "toolkit/SystemLibrary.h"

namespace {

// TRUE goes over with all bits set, the value the program has always passed.
constexpr BOOL kTrue = -1;
constexpr BOOL kFalse = 0;
constexpr DWORD kAnyReason = 0xFFFF;
// STANDARD_RIGHTS_REQUIRED with the eight token rights up to TOKEN_ADJUST_DEFAULT.
constexpr DWORD kTokenAccess = 0xF00FF;
constexpr char kShutdownPrivilege[] = "SeShutdownPrivilege";
constexpr wchar_t kPowerLibraryName[] = L"powrprof.dll";
constexpr char kSetSuspendState[] = "SetSuspendState";

struct ExitCall {
    UINT ntFlags;
    UINT win9xFlags;
};
// Every end of session forces other programs closed without asking them.
constexpr std::array<ExitCall, 3> kExitCalls{{
    {EWX_POWEROFF | EWX_FORCE, EWX_SHUTDOWN | EWX_FORCE}, // Turn Off
    {EWX_REBOOT | EWX_FORCE, EWX_REBOOT | EWX_FORCE},     // Reboot
    {EWX_LOGOFF | EWX_FORCE, EWX_LOGOFF | EWX_FORCE},     // LogOff
}};
static_assert(kExitCalls.size() == paLogOff + 1, "one row per end-of-session action");
// One privilege: a count, then a LUID and its attributes, unpadded on both builds.
static_assert(sizeof(TOKEN_PRIVILEGES) == sizeof(DWORD) + sizeof(LUID) + sizeof(DWORD));

bool Suspends(int action) { return action == paStandby || action == paHibernate; }

constexpr char kUnknownAction[] = "Unknown power action ";
constexpr char kRefusedWithoutReason[] = "The operating system refused the request.";

PowerActionOutcome Refused(DWORD error) {
    // Some refusals leave no reason; "completed successfully" would mislead.
    if (error == ERROR_SUCCESS) return PowerActionOutcome{false, error, kRefusedWithoutReason};
    return PowerActionOutcome{false, error, SystemErrorMessage(error)};
}

} // namespace

class WindowsPowerSystem::PowerLibrary {
public:
    using SetSuspendStateProc = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);

    PowerLibrary()
        : module_(tk::LoadSystemLibrary(kPowerLibraryName)),
          setSuspendState_(tk::GetProc<SetSuspendStateProc>(module_, kSetSuspendState)) {}
    SetSuspendStateProc SetSuspendState() const { return setSuspendState_; }

private:
    tk::ModuleHandle module_;
    SetSuspendStateProc setSuspendState_;
};

WindowsPowerSystem::WindowsPowerSystem() = default;
WindowsPowerSystem::~WindowsPowerSystem() = default;

void WindowsPowerSystem::EnableShutdownPrivilege() {
    // A failure here shows up as the refusal of the call that needs it.
    auto request = std::make_unique<TOKEN_PRIVILEGES>();
    request->PrivilegeCount = 1;
    request->Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    LookupPrivilegeValueA(nullptr, kShutdownPrivilege, &request->Privileges[0].Luid);

    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), kTokenAccess, &rawToken)) return;
    const tk::KernelHandle token(rawToken);
    DWORD returnLength = 0;
    AdjustTokenPrivileges(token.Get(), FALSE, request.get(), 0, nullptr, &returnLength);
}

bool WindowsPowerSystem::Record(bool accepted) {
    lastError_ = accepted ? ERROR_SUCCESS : GetLastError();
    return accepted;
}

bool WindowsPowerSystem::ExitWindowsEx(UINT flags, DWORD reason) {
    return Record(::ExitWindowsEx(flags, reason) != FALSE);
}

bool WindowsPowerSystem::SetSystemPowerState(BOOL suspend, BOOL force) {
    return Record(::SetSystemPowerState(suspend, force) != FALSE);
}

const WindowsPowerSystem::PowerLibrary& WindowsPowerSystem::Library() {
    if (!powerLibrary_) powerLibrary_ = std::make_unique<PowerLibrary>();
    return *powerLibrary_;
}

bool WindowsPowerSystem::HasSetSuspendState() { return Library().SetSuspendState() != nullptr; }

std::optional<bool> WindowsPowerSystem::SetSuspendState(bool hibernate, bool force, bool wakeEventsDisabled) {
    const auto call = Library().SetSuspendState();
    if (!call) return std::nullopt;
    return Record(call(hibernate, force, wakeEventsDisabled) != FALSE);
}

PowerActionOutcome CarryOutPowerAction(int action, bool isNTPlatform, IPowerSystem& system) {
    if (action < 0 || action >= kActionCount)
        return PowerActionOutcome{false, ERROR_INVALID_PARAMETER, kUnknownAction + std::to_string(action)};
    if (isNTPlatform) system.EnableShutdownPrivilege();

    bool accepted = false;
    if (Suspends(action)) {
        const bool hibernate = action == paHibernate;
        accepted = system.SetSystemPowerState(hibernate ? kFalse : kTrue, kTrue);
        // Newer systems refuse the old call and offer SetSuspendState instead.
        if (!accepted)
            if (const auto suspended = system.SetSuspendState(hibernate, true, false)) accepted = *suspended;
    } else {
        const ExitCall& call = kExitCalls[static_cast<std::size_t>(action)];
        accepted = system.ExitWindowsEx(isNTPlatform ? call.ntFlags : call.win9xFlags, kAnyReason);
    }
    if (accepted) return PowerActionOutcome{true, ERROR_SUCCESS, {}};
    return Refused(system.LastError());
}
