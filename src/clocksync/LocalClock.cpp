#include "clocksync/LocalClock.h"

#include <windows.h>

#include <optional>

#include "clocksync/TimeProtocol.h"
#include "core/Error.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Handles.h"
#include "toolkit/SystemError.h"

namespace clocksync {

namespace {

// The system-time privilege, on for the lifetime of the object when the
// token allows it; the previous state comes back and the token is closed at the end.
class SystemTimePrivilege {
public:
    SystemTimePrivilege() {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
            error_ = GetLastError();
            return;
        }
        token_ = tk::KernelHandle(token);
        TOKEN_PRIVILEGES wanted{};
        wanted.PrivilegeCount = 1;
        wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        DWORD previousSize = 0;
        if (!LookupPrivilegeValueA(nullptr, SE_SYSTEMTIME_NAME, &wanted.Privileges[0].Luid) ||
            !AdjustTokenPrivileges(token_.Get(), FALSE, &wanted, sizeof previous_, &previous_,
                                   &previousSize)) {
            error_ = GetLastError();
            return;
        }
        adjusted_ = true;
    }
    SystemTimePrivilege(const SystemTimePrivilege&) = delete;
    SystemTimePrivilege& operator=(const SystemTimePrivilege&) = delete;
    ~SystemTimePrivilege() {
        if (adjusted_) AdjustTokenPrivileges(token_.Get(), FALSE, &previous_, 0, nullptr, nullptr);
    }

    bool Adjusted() const { return adjusted_; }
    DWORD Error() const { return error_; }

private:
    tk::KernelHandle token_;
    TOKEN_PRIVILEGES previous_{};
    bool adjusted_ = false;
    DWORD error_ = ERROR_SUCCESS;
};

} // namespace

double LocalZoneOffset() {
    TIME_ZONE_INFORMATION zone{};
    const DWORD result = GetTimeZoneInformation(&zone);
    const auto minutes = ZoneOffsetMinutes(result, zone.Bias, zone.StandardBias, zone.DaylightBias);
    if (!minutes) throw core::Error(SystemErrorMessage(GetLastError()));
    return static_cast<double>(*minutes) / core::MinutesPerDay;
}

ClockSetResult SetLocalClock(core::TDateTime value, bool isNTPlatform) {
    core::DateTimeParts parts;
    if (!core::TryDecodeDateTime(value, parts)) return {false, "The time is out of range."};
    const SYSTEMTIME time = tk::ToSystemTime(value);
    std::optional<SystemTimePrivilege> privilege;
    if (isNTPlatform) {
        privilege.emplace();
        if (!privilege->Adjusted()) return {false, SystemErrorMessage(privilege->Error())};
    }
    if (SetLocalTime(&time)) return {true, {}};
    // Read before the privilege is put back, which sets the last error anew.
    const DWORD error = GetLastError();
    return {false, SystemErrorMessage(error)};
}

} // namespace clocksync
