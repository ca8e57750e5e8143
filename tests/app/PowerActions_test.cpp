#include "app/PowerActions.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "RecordingPowerSystem.h"
#include "toolkit/Handles.h"

namespace {

TEST(CarryOutPowerAction, MakesTheOneCallOfEachActionOnBothFamilies) {
    struct Case {
        int action;
        bool nt;
        Call call;
    };
    const Case cases[] = {
        {paTurnOff, true, Exit(0x0C)},          {paTurnOff, false, Exit(0x05)},
        {paReboot, true, Exit(0x06)},           {paReboot, false, Exit(0x06)},
        {paLogOff, true, Exit(0x04)},           {paLogOff, false, Exit(0x04)},
        {paStandby, true, PowerState(-1, -1)},  {paStandby, false, PowerState(-1, -1)},
        {paHibernate, true, PowerState(0, -1)}, {paHibernate, false, PowerState(0, -1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("action " + std::to_string(c.action) + (c.nt ? " on NT" : " on 95/98/Me"));
        RecordingPowerSystem system;
        const PowerActionOutcome outcome = CarryOutPowerAction(c.action, c.nt, system);
        // The privilege only on NT, and before the call that needs it.
        const std::vector<Call> expected =
            c.nt ? std::vector<Call>{kPrivilege, c.call} : std::vector<Call>{c.call};
        EXPECT_EQ(system.calls, expected);
        EXPECT_TRUE(outcome.succeeded);
        EXPECT_EQ(outcome.message, "");
    }
}

TEST(CarryOutPowerAction, RefusedSleepFallsBackToSetSuspendStateWithTheSameChoice) {
    struct Case {
        int action;
        bool suspendAccepted;
    };
    for (const Case c :
         {Case{paStandby, true}, Case{paHibernate, true}, Case{paStandby, false}, Case{paHibernate, false}}) {
        const bool hibernate = c.action == paHibernate;
        SCOPED_TRACE(std::string(hibernate ? "hibernate" : "standby") +
                     (c.suspendAccepted ? ", accepted" : ", refused"));
        RecordingPowerSystem system;
        system.acceptPowerState = false;
        system.suspendAnswer = c.suspendAccepted;
        const PowerActionOutcome outcome = CarryOutPowerAction(c.action, true, system);
        const std::vector<Call> expected{kPrivilege, PowerState(hibernate ? 0 : -1, -1), Suspend(hibernate)};
        EXPECT_EQ(system.calls, expected);
        EXPECT_EQ(outcome.succeeded, c.suspendAccepted);
    }
}

TEST(CarryOutPowerAction, ARefusalIsAFailureWithTheSystemsMessage) {
    struct Case {
        const char* what;
        int action;
        bool acceptExit, acceptPowerState;
        std::optional<bool> suspendAnswer;
        DWORD error;
    };
    const Case cases[] = {
        {"turn off refused", paTurnOff, false, true, std::nullopt, ERROR_PRIVILEGE_NOT_HELD},
        {"log off refused", paLogOff, false, true, std::nullopt, ERROR_ACCESS_DENIED},
        {"standby without SetSuspendState", paStandby, true, false, std::nullopt, ERROR_NOT_SUPPORTED},
        {"hibernate refused twice", paHibernate, true, false, false, ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPowerSystem system;
        system.acceptExit = c.acceptExit;
        system.acceptPowerState = c.acceptPowerState;
        system.suspendAnswer = c.suspendAnswer;
        system.errorOfRefusal = c.error;
        const PowerActionOutcome outcome = CarryOutPowerAction(c.action, true, system);
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_EQ(outcome.error, c.error);
        EXPECT_EQ(outcome.message, SystemErrorMessage(c.error));
        EXPECT_FALSE(outcome.message.empty());
    }
}

TEST(CarryOutPowerAction, ARefusalWithoutAReasonIsNotReportedAsSuccess) {
    RecordingPowerSystem system;
    system.acceptExit = false;
    system.errorOfRefusal = ERROR_SUCCESS;
    const PowerActionOutcome outcome = CarryOutPowerAction(paReboot, true, system);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_NE(outcome.message, SystemErrorMessage(ERROR_SUCCESS));
}

TEST(CarryOutPowerAction, AnUnknownActionCallsNothing) {
    for (int action : {-1, int{kActionCount}, 99}) {
        RecordingPowerSystem system;
        const PowerActionOutcome outcome = CarryOutPowerAction(action, true, system);
        EXPECT_FALSE(outcome.succeeded) << action;
        EXPECT_TRUE(system.calls.empty()) << action;
        EXPECT_NE(outcome.message.find(std::to_string(action)), std::string::npos) << outcome.message;
    }
}

TEST(SystemErrorMessage, GivesTheSystemsTextWithoutTheLineBreak) {
    const std::string text = SystemErrorMessage(ERROR_ACCESS_DENIED);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_NE(text.back(), ' ');
    EXPECT_NE(text, SystemErrorMessage(ERROR_NOT_SUPPORTED));
}

TEST(SystemErrorMessage, NamesTheCodeWhenTheSystemHasNoText) {
    constexpr DWORD kNoSuchError = 0x2FFFFFFF;
    EXPECT_EQ(SystemErrorMessage(kNoSuchError), "System error " + std::to_string(kNoSuchError) + ".");
}

// The real services, as far as they are safe to reach.
bool ShutdownPrivilegeEnabled() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
    const tk::KernelHandle token(raw);
    LUID shutdown{};
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (!GetTokenInformation(token.Get(), TokenPrivileges, buffer.data(), size, &size)) return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
        if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
            return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

TEST(WindowsPowerSystem, EnablesTheShutdownPrivilegeInTheProcessToken) {
    WindowsPowerSystem system;
    system.EnableShutdownPrivilege();
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

TEST(WindowsPowerSystem, TakesPowrprofFromTheSystemFolderOnly) {
    WindowsPowerSystem system;
    EXPECT_TRUE(system.HasSetSuspendState());
    HMODULE loaded = GetModuleHandleA("powrprof.dll");
    ASSERT_NE(loaded, nullptr);
    char path[MAX_PATH] = {}, folder[MAX_PATH] = {};
    GetModuleFileNameA(loaded, path, MAX_PATH);
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, path, static_cast<int>(length), folder,
                             static_cast<int>(length)),
              CSTR_EQUAL)
        << path;
}

} // namespace
