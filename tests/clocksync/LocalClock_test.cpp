// The clock setter and the zone offset. Wine never sets the host's clock: it
// refuses any change of more than half a second (error 1314, as Windows does
// for a user without the right) and takes a smaller one without doing
// anything. The calls that reach SetLocalTime run only under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "clocksync/LocalClock.h"
#include "core/DateTime.h"
#include "toolkit/Event.h"
#include "toolkit/SystemError.h"

using namespace clocksync;

namespace {

bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

core::TDateTime LocalNow() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return core::EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                                st.wMilliseconds);
}

// The system-time privilege's attributes in this process's token.
DWORD SystemTimePrivilegeAttributes() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return 0xFFFFFFFF;
    tk::KernelHandle token(raw);
    LUID luid;
    LookupPrivilegeValueA(nullptr, SE_SYSTEMTIME_NAME, &luid);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (!GetTokenInformation(token.Get(), TokenPrivileges, buffer.data(), size, &size)) return 0xFFFFFFFF;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i)
        if (privileges->Privileges[i].Luid.LowPart == luid.LowPart &&
            privileges->Privileges[i].Luid.HighPart == luid.HighPart)
            return privileges->Privileges[i].Attributes;
    return 0;
}

} // namespace

TEST(SetLocalClock, RefusalComesBackWithTheSystemsReason) {
    if (!UnderWine()) GTEST_SKIP() << "would set this machine's clock";
    const DWORD before = SystemTimePrivilegeAttributes();
    for (const bool nt : {true, false}) {
        const ClockSetResult result = SetLocalClock(LocalNow() + 1.0 / 24, nt);
        EXPECT_FALSE(result.accepted) << nt;
        EXPECT_EQ(result.reason, SystemErrorMessage(ERROR_PRIVILEGE_NOT_HELD)) << nt;
        EXPECT_EQ(SystemTimePrivilegeAttributes(), before) << "the privilege is put back as it was";
    }
}

TEST(SetLocalClock, TheDateAndTimeReachTheSystemIntact) {
    if (!UnderWine()) GTEST_SKIP() << "would set this machine's clock";
    // Wine takes a time within half a second of its clock: every field must be right.
    EXPECT_TRUE(SetLocalClock(LocalNow(), true).accepted);
}

TEST(SetLocalClock, ATimeOutOfRangeIsRefusedWithoutAsking) {
    for (const double value : {-700000.0, 3000000.0}) {
        const ClockSetResult result = SetLocalClock(value, true);
        EXPECT_FALSE(result.accepted);
        EXPECT_EQ(result.reason, "The time is out of range.");
    }
}

TEST(LocalZoneOffset, MatchesTheClocks) {
    // Local time + offset = UTC, to the minute.
    SYSTEMTIME local, utc;
    GetLocalTime(&local);
    GetSystemTime(&utc);
    const double localDays =
        core::EncodeDateTime(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, 0, 0);
    const double utcDays =
        core::EncodeDateTime(utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, 0, 0);
    EXPECT_NEAR(localDays + LocalZoneOffset(), utcDays, 1.5 / core::MinutesPerDay);
}
