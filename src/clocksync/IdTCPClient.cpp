#include "clocksync/IdTCPClient.h"

#include <iterator>

#include "clocksync/TimeProtocol.h"
#include "core/Error.h"
#include "toolkit/SystemError.h"

namespace clocksync {

namespace {

constexpr long kSocketEvents = FD_CONNECT | FD_READ | FD_CLOSE;

[[noreturn]] void RaiseSocketError(int error) {
    throw QueryError(SystemErrorMessage(static_cast<DWORD>(error)), FailureOfSocketError(error));
}

// Milliseconds left until a deadline on the 64-bit tick counter.
class Deadline {
public:
    explicit Deadline(DWORD timeoutMs) : end_(GetTickCount64() + timeoutMs) {}
    DWORD Remaining() const {
        const ULONGLONG now = GetTickCount64();
        return now >= end_ ? 0 : static_cast<DWORD>(end_ - now);
    }

private:
    ULONGLONG end_;
};

} // namespace

TIdTCPClient::TIdTCPClient()
    : socketEvent_(tk::CreateEventHandle(tk::EventReset::Manual)),
      abort_(tk::CreateEventHandle(tk::EventReset::Manual)) {}

TIdTCPClient::~TIdTCPClient() { Disconnect(); }

void TIdTCPClient::Disconnect() noexcept {
    socket_.Reset();
    open_ = false;
}

TIdTCPClient::Wake TIdTCPClient::WaitForSocket(DWORD timeoutMs) {
    // The abort comes first, so that it wins over data that arrived at the same time.
    const HANDLE events[] = {abort_.Get(), socketEvent_.Get()};
    switch (WaitForMultipleObjects(static_cast<DWORD>(std::size(events)), events, FALSE, timeoutMs)) {
    case WAIT_OBJECT_0: return Wake::Abort;
    case WAIT_OBJECT_0 + 1: return Wake::Socket;
    case WAIT_TIMEOUT: return Wake::Timeout;
    default: throw core::Error(SystemErrorMessage(GetLastError()));
    }
}

void TIdTCPClient::Connect(DWORD timeoutMs) {
    Disconnect();
    EnsureWinsock();
    const Deadline deadline(timeoutMs);
    const std::vector<ResolvedAddress> addresses =
        resolver_(host_, port_, abort_.Get(), deadline.Remaining());
    QueryError error("No address for " + host_, QueryFailure::NameNotFound);
    try {
        for (std::size_t i = 0; i < addresses.size(); ++i) {
            // Each address left gets its share of the time, so that one that
            // never answers cannot use up the time of those after it.
            const DWORD share = deadline.Remaining() / static_cast<DWORD>(addresses.size() - i);
            if (TryConnect(addresses[i], share, error)) return;
        }
    } catch (...) {
        Disconnect();
        throw;
    }
    throw error;
}

bool TIdTCPClient::TryConnect(const ResolvedAddress& address, DWORD timeoutMs, QueryError& error) {
    socket_.Reset(socket(address.family, SOCK_STREAM, IPPROTO_TCP));
    if (!socket_) RaiseSocketError(WSAGetLastError());
    open_ = true;
    ResetEvent(socketEvent_.Get());
    // The events also make the socket non-blocking.
    if (WSAEventSelect(socket_.Get(), socketEvent_.Get(), kSocketEvents) != 0)
        RaiseSocketError(WSAGetLastError());
    const auto* target = reinterpret_cast<const sockaddr*>(&address.address);
    if (connect(socket_.Get(), target, address.addressLength) == 0) return true;
    int code = WSAGetLastError();
    const Deadline deadline(timeoutMs);
    while (code == WSAEWOULDBLOCK) {
        const Wake wake = WaitForSocket(deadline.Remaining());
        if (wake == Wake::Abort) throw core::Error(kAbortedText);
        if (wake == Wake::Timeout) {
            error = QueryError(kConnectTimeoutText, QueryFailure::TimedOut);
            Disconnect();
            return false;
        }
        WSANETWORKEVENTS happened{};
        if (WSAEnumNetworkEvents(socket_.Get(), socketEvent_.Get(), &happened) != 0)
            RaiseSocketError(WSAGetLastError());
        if (happened.lNetworkEvents & FD_CONNECT) code = happened.iErrorCode[FD_CONNECT_BIT];
    }
    if (code == 0) return true;
    error = QueryError(SystemErrorMessage(static_cast<DWORD>(code)), FailureOfSocketError(code));
    Disconnect();
    return false;
}

bool TIdTCPClient::WaitReadable(DWORD timeoutMs) {
    switch (WaitForSocket(timeoutMs)) {
    case Wake::Abort: throw core::Error(kAbortedText);
    case Wake::Timeout: return false;
    case Wake::Socket: break;
    }
    // Clears the event; what happened is found out by reading.
    WSANETWORKEVENTS happened{};
    if (WSAEnumNetworkEvents(socket_.Get(), socketEvent_.Get(), &happened) != 0)
        RaiseSocketError(WSAGetLastError());
    return true;
}

std::optional<std::size_t> TIdTCPClient::Receive(unsigned char* buffer, std::size_t size) {
    const int got = recv(socket_.Get(), reinterpret_cast<char*>(buffer), static_cast<int>(size), 0);
    if (got >= 0) return static_cast<std::size_t>(got);
    const int code = WSAGetLastError();
    if (code == WSAEWOULDBLOCK) return std::nullopt;
    RaiseSocketError(code);
}

} // namespace clocksync
