#pragma once
// Name resolution that the caller can stop waiting for.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace clocksync {

struct ResolvedAddress {
    int family = AF_UNSPEC;
    sockaddr_storage address{};
    int addressLength = 0;
};

// Winsock for the whole process, started once.
void EnsureWinsock();

// Every TCP address of the host (IPv6 and IPv4, in the system's order of
// preference), with the port filled in; Winsock must be started. The lookup
// runs on a thread of its own, so that a slow name server holds the caller no
// longer than the time-out or until abortEvent is set. Raises core::Error on
// failure, time-out or abort.
std::vector<ResolvedAddress> ResolveHost(const std::string& host, std::int32_t port, HANDLE abortEvent,
                                         DWORD timeoutMs);

} // namespace clocksync
