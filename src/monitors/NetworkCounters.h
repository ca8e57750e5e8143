#pragma once
// The network adapters' octet counters, read through iphlpapi, which is
// loaded at run time from System32 (it is not a KnownDLL, and Windows before
// Vista lacks the table with 64-bit counters).
#include <winsock2.h>
#include <windows.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>

#include <optional>
#include <vector>

#include "monitors/NetTraffic.h"
#include "toolkit/Handles.h"

namespace monitors {

class NetworkCounters {
public:
    NetworkCounters() noexcept;
    NetworkCounters(const NetworkCounters&) = delete;
    NetworkCounters& operator=(const NetworkCounters&) = delete;

    // Every adapter with its 64-bit counters, or nothing when the system has
    // no such table (before Vista) or the query failed. Filter layers that
    // repeat an adapter's own counters are left out.
    std::optional<std::vector<AdapterRow>> Read() const;

private:
    using GetIfTable2Proc = DWORD(WINAPI*)(PMIB_IF_TABLE2*);
    using FreeMibTableProc = void(WINAPI*)(PVOID);

    tk::ModuleHandle library_;
    GetIfTable2Proc getIfTable2_ = nullptr;
    FreeMibTableProc freeMibTable_ = nullptr;
};

} // namespace monitors
