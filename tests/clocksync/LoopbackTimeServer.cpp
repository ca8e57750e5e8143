#include "LoopbackTimeServer.h"

#include <ws2tcpip.h>

#include <stdexcept>

#include "clocksync/HostResolver.h"

namespace {

// How often a waiting server looks whether the test is over.
constexpr long kPollMicroseconds = 20000;

sockaddr_storage LoopbackAddress(LoopbackTimeServer::Family family, int& length) {
    sockaddr_storage storage{};
    if (family == LoopbackTimeServer::Family::IPv4) {
        auto& a = reinterpret_cast<sockaddr_in&>(storage);
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof(sockaddr_in);
    } else {
        auto& a = reinterpret_cast<sockaddr_in6&>(storage);
        a.sin6_family = AF_INET6;
        a.sin6_addr = in6addr_loopback;
        length = sizeof(sockaddr_in6);
    }
    return storage;
}

// Binds a socket to a free loopback port and returns the port.
tk::SocketHandle BoundSocket(LoopbackTimeServer::Family family, std::int32_t& port) {
    clocksync::EnsureWinsock();
    int length = 0;
    sockaddr_storage address = LoopbackAddress(family, length);
    tk::SocketHandle s(socket(address.ss_family, SOCK_STREAM, IPPROTO_TCP));
    if (!s) throw std::runtime_error("socket");
    if (bind(s.Get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(s.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("bind");
    port = ntohs(family == LoopbackTimeServer::Family::IPv4
                     ? reinterpret_cast<sockaddr_in&>(address).sin_port
                     : reinterpret_cast<sockaddr_in6&>(address).sin6_port);
    return s;
}

// Waits up to one poll period for the socket to become readable.
bool Readable(SOCKET s) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait{0, kPollMicroseconds};
    return select(0, &set, nullptr, nullptr, &wait) > 0;
}

} // namespace

ServerStep Send(std::vector<unsigned char> bytes) { return {ServerStep::Kind::Send, std::move(bytes), 0}; }
ServerStep Pause(DWORD ms) { return {ServerStep::Kind::Pause, {}, ms}; }
ServerStep Hold() { return {ServerStep::Kind::Hold, {}, 0}; }

std::vector<unsigned char> WireBytes(std::uint32_t seconds) {
    return {static_cast<unsigned char>(seconds >> 24), static_cast<unsigned char>(seconds >> 16),
            static_cast<unsigned char>(seconds >> 8), static_cast<unsigned char>(seconds)};
}

clocksync::ResolvedAddress LoopbackEndpoint(LoopbackTimeServer::Family family, std::int32_t port) {
    clocksync::ResolvedAddress r;
    r.address = LoopbackAddress(family, r.addressLength);
    r.family = r.address.ss_family;
    const u_short networkPort = htons(static_cast<u_short>(port));
    if (family == LoopbackTimeServer::Family::IPv4)
        reinterpret_cast<sockaddr_in&>(r.address).sin_port = networkPort;
    else
        reinterpret_cast<sockaddr_in6&>(r.address).sin6_port = networkPort;
    return r;
}

std::int32_t RefusingLoopbackPort(LoopbackTimeServer::Family family) {
    std::int32_t port = 0;
    BoundSocket(family, port); // closed at once: nothing listens there
    return port;
}

LoopbackTimeServer::LoopbackTimeServer(std::vector<ConnectionScript> scripts, Family family)
    : family_(family), scripts_(std::move(scripts)) {
    listener_ = BoundSocket(family, port_);
    if (listen(listener_.Get(), SOMAXCONN) != 0) throw std::runtime_error("listen");
    thread_ = std::thread(&LoopbackTimeServer::Serve, this);
}

LoopbackTimeServer::~LoopbackTimeServer() {
    stop_ = true;
    thread_.join();
}

void LoopbackTimeServer::Serve() noexcept {
    while (!Stopping()) {
        if (!Readable(listener_.Get())) continue;
        tk::SocketHandle connection(accept(listener_.Get(), nullptr, nullptr));
        if (!connection) continue;
        const int index = connections_++;
        const std::size_t last = scripts_.empty() ? 0 : scripts_.size() - 1;
        const ConnectionScript none;
        Run(connection.Get(), scripts_.empty() ? none : scripts_[std::min<std::size_t>(index, last)]);
        shutdown(connection.Get(), SD_SEND);
    }
}

void LoopbackTimeServer::Run(SOCKET connection, const ConnectionScript& script) {
    for (const ServerStep& step : script) {
        switch (step.kind) {
        case ServerStep::Kind::Send:
            send(connection, reinterpret_cast<const char*>(step.bytes.data()),
                 static_cast<int>(step.bytes.size()), 0);
            break;
        case ServerStep::Kind::Pause: Sleep(step.ms); break;
        case ServerStep::Kind::Hold:
            // Until the client closes (readable with nothing to read) or the test ends.
            for (;;) {
                if (Stopping()) return;
                if (!Readable(connection)) continue;
                char c;
                if (recv(connection, &c, 1, 0) <= 0) return;
            }
        }
    }
}
