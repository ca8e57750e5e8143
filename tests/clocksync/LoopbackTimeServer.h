#pragma once
// A scriptable time server on the loopback interface (127.0.0.1 or ::1 only),
// for tests of the time client. Each connection follows the next script of a
// list; the last script serves every connection after it.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "clocksync/HostResolver.h"
#include "toolkit/Handles.h"

struct ServerStep {
    enum class Kind { Send, Pause, Hold };
    Kind kind = Kind::Send;
    std::vector<unsigned char> bytes;
    DWORD ms = 0;
};
// Runs step by step, then closes the connection.
using ConnectionScript = std::vector<ServerStep>;

ServerStep Send(std::vector<unsigned char> bytes);
ServerStep Pause(DWORD ms);
// Keeps the connection open without sending until the client closes it.
ServerStep Hold();

class LoopbackTimeServer {
public:
    enum class Family { IPv4, IPv6 };
    explicit LoopbackTimeServer(std::vector<ConnectionScript> scripts, Family family = Family::IPv4);
    ~LoopbackTimeServer();
    LoopbackTimeServer(const LoopbackTimeServer&) = delete;
    LoopbackTimeServer& operator=(const LoopbackTimeServer&) = delete;

    std::int32_t Port() const { return port_; }
    std::string Host() const { return family_ == Family::IPv4 ? "127.0.0.1" : "::1"; }
    int Connections() const { return connections_.load(); }

private:
    void Serve() noexcept;
    void Run(SOCKET connection, const ConnectionScript& script);
    bool Stopping() const { return stop_.load(); }

    Family family_;
    std::vector<ConnectionScript> scripts_;
    tk::SocketHandle listener_;
    std::int32_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::thread thread_;
};

// The loopback address of a family with a port, as name resolution gives it.
clocksync::ResolvedAddress LoopbackEndpoint(LoopbackTimeServer::Family family, std::int32_t port);

// A loopback port where nothing listens: connections to it are refused.
std::int32_t RefusingLoopbackPort(LoopbackTimeServer::Family family = LoopbackTimeServer::Family::IPv4);

// The four bytes of a count of seconds, big-endian.
std::vector<unsigned char> WireBytes(std::uint32_t seconds);

// 1 October 2012 12:00:00 UTC on the wire.
inline constexpr std::uint32_t kOct2012 = 0xD4140440u;
// A read time-out that keeps the tests quick.
inline constexpr std::int32_t kShortTimeoutMs = 300;

using Clock = std::chrono::steady_clock;
inline long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}
