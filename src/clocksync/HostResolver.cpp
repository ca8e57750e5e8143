#include "clocksync/HostResolver.h"

#include <cstring>
#include <iterator>
#include <memory>
#include <thread>
#include <utility>

#include "clocksync/QueryFailure.h"
#include "clocksync/TimeProtocol.h"
#include "core/Error.h"
#include "toolkit/Event.h"
#include "toolkit/SystemError.h"

namespace clocksync {

namespace {

constexpr WORD kWinsockVersion = MAKEWORD(2, 2);
constexpr std::int32_t kHighestPort = 65535;

// One lookup, shared by the caller and the lookup thread: whichever ends last
// frees it, so a caller that stopped waiting leaves nothing dangling.
struct Lookup {
    std::string host;
    std::string service;
    tk::KernelHandle done = tk::CreateEventHandle(tk::EventReset::Manual);
    std::vector<ResolvedAddress> addresses;
    int error = 0;
};

void RunLookup(Lookup& lookup) noexcept {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    lookup.error = getaddrinfo(lookup.host.c_str(), lookup.service.c_str(), &hints, &found);
    try {
        for (const addrinfo* a = found; a; a = a->ai_next) {
            if (a->ai_addrlen > sizeof(sockaddr_storage)) continue;
            ResolvedAddress r;
            r.family = a->ai_family;
            r.addressLength = static_cast<int>(a->ai_addrlen);
            std::memcpy(&r.address, a->ai_addr, a->ai_addrlen);
            lookup.addresses.push_back(r);
        }
    } catch (...) {
        lookup.addresses.clear();
        lookup.error = WSA_NOT_ENOUGH_MEMORY;
    }
    if (found) freeaddrinfo(found);
    SetEvent(lookup.done.Get());
}

} // namespace

void EnsureWinsock() {
    static const int started = [] {
        WSADATA data;
        return WSAStartup(kWinsockVersion, &data);
    }();
    if (started != 0) throw core::Error(SystemErrorMessage(static_cast<DWORD>(started)));
}

std::vector<ResolvedAddress> ResolveHost(const std::string& host, std::int32_t port, HANDLE abortEvent,
                                         DWORD timeoutMs) {
    if (host.empty()) throw core::Error("No time server host");
    if (port < 0 || port > kHighestPort) throw core::Error("Invalid port " + std::to_string(port));
    auto lookup = std::make_shared<Lookup>();
    lookup->host = host;
    lookup->service = std::to_string(port);
    std::thread([lookup] { RunLookup(*lookup); }).detach();

    const HANDLE events[] = {abortEvent, lookup->done.Get()};
    switch (WaitForMultipleObjects(static_cast<DWORD>(std::size(events)), events, FALSE, timeoutMs)) {
    case WAIT_OBJECT_0: throw core::Error(kAbortedText);
    case WAIT_OBJECT_0 + 1: break;
    case WAIT_TIMEOUT: throw QueryError(kConnectTimeoutText, QueryFailure::TimedOut);
    default: throw core::Error(SystemErrorMessage(GetLastError()));
    }
    if (lookup->error != 0)
        throw QueryError(SystemErrorMessage(static_cast<DWORD>(lookup->error)),
                         FailureOfSocketError(lookup->error));
    if (lookup->addresses.empty()) throw QueryError("No address for " + host, QueryFailure::NameNotFound);
    return std::move(lookup->addresses);
}

} // namespace clocksync
