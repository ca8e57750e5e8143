#pragma once
// A plain TCP client: connect with a time-out, wait for data with a time-out,
// read what has arrived, disconnect. Every wait also ends at once when another
// thread calls Abort, so an exchange can be cut short without waiting out its
// time-outs.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "clocksync/HostResolver.h"
#include "clocksync/QueryFailure.h"
#include "toolkit/Event.h"
#include "toolkit/Handles.h"

namespace clocksync {

// Finds the addresses of a host name: ResolveHost, or a test's own list.
using HostResolverFunction = std::function<std::vector<ResolvedAddress>(
    const std::string& host, std::int32_t port, HANDLE abortEvent, DWORD timeoutMs)>;

class TIdTCPClient {
public:
    TIdTCPClient();
    virtual ~TIdTCPClient();
    TIdTCPClient(const TIdTCPClient&) = delete;
    TIdTCPClient& operator=(const TIdTCPClient&) = delete;

    const std::string& Host() const { return host_; }
    void SetHost(std::string host) { host_ = std::move(host); }
    std::int32_t Port() const { return port_; }
    void SetPort(std::int32_t port) { port_ = port; }
    // The connection's general read time-out; the exchanges pass their own.
    std::int32_t ReadTimeout() const { return readTimeout_; }
    void SetReadTimeout(std::int32_t ms) { readTimeout_ = ms; }

    // True from the creation of a socket until it is closed; any thread may ask.
    bool HasOpenSocket() const noexcept { return open_.load(); }

    // Any thread: the running wait, and every later one until ClearAbort,
    // ends at once with an error.
    void Abort() noexcept { SetEvent(abort_.Get()); }
    void ClearAbort() noexcept { ResetEvent(abort_.Get()); }

    void SetResolver(HostResolverFunction resolver) { resolver_ = std::move(resolver); }

protected:
    // Resolves Host and tries each of its addresses until one accepts; the
    // resolution and every try share the time-out. Raises core::Error.
    void Connect(DWORD timeoutMs);
    // Waits up to timeoutMs for data or the peer's close: false when neither came.
    bool WaitReadable(DWORD timeoutMs);
    // What has arrived, without waiting: the byte count, 0 once the peer has
    // closed, or nothing when no data is there yet. Raises core::Error.
    std::optional<std::size_t> Receive(unsigned char* buffer, std::size_t size);
    void Disconnect() noexcept;

private:
    enum class Wake { Socket, Abort, Timeout };
    Wake WaitForSocket(DWORD timeoutMs);
    // Connects to one address within the time-out; false (with the reason in
    // `error`) when it refuses or cannot be reached.
    bool TryConnect(const ResolvedAddress& address, DWORD timeoutMs, QueryError& error);

    HostResolverFunction resolver_ = ResolveHost;
    std::string host_;
    std::int32_t port_ = 0;
    std::int32_t readTimeout_ = 0;
    tk::SocketHandle socket_;
    tk::KernelHandle socketEvent_;
    tk::KernelHandle abort_;
    std::atomic<bool> open_{false};
};

} // namespace clocksync
