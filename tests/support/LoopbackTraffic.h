#pragma once
// Traffic on 127.0.0.1 that a test makes at will: datagrams a socket sends
// to itself, which pass through the loopback adapter's counters.
#include <winsock2.h>
#include <windows.h>

#include <vector>

#include "toolkit/Handles.h"

class LoopbackTraffic {
public:
    static constexpr int kDatagramBytes = 8 * 1024;

    LoopbackTraffic() : started_(WSAStartup(MAKEWORD(2, 2), &data_) == 0) {
        if (!started_) return;
        socket_ = tk::SocketHandle(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
        address_.sin_family = AF_INET;
        address_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int length = sizeof address_;
        u_long nonBlocking = 1;
        ok_ = socket_ && bind(socket_.Get(), Address(), sizeof address_) == 0 &&
              getsockname(socket_.Get(), reinterpret_cast<sockaddr*>(&address_), &length) == 0 &&
              ioctlsocket(socket_.Get(), FIONBIO, &nonBlocking) == 0;
    }
    ~LoopbackTraffic() {
        socket_.Reset();
        if (started_) WSACleanup();
    }
    LoopbackTraffic(const LoopbackTraffic&) = delete;
    LoopbackTraffic& operator=(const LoopbackTraffic&) = delete;

    bool Ok() const { return ok_; }

    // Sends at least `bytes` to itself and takes back what arrived.
    void Send(int bytes) {
        std::vector<char> datagram(kDatagramBytes, 'k');
        for (int sent = 0; sent < bytes; sent += kDatagramBytes) {
            sendto(socket_.Get(), datagram.data(), kDatagramBytes, 0, Address(), sizeof address_);
            while (recv(socket_.Get(), datagram.data(), kDatagramBytes, 0) > 0) {}
        }
    }

private:
    const sockaddr* Address() const { return reinterpret_cast<const sockaddr*>(&address_); }

    WSADATA data_{};
    bool started_;
    bool ok_ = false;
    tk::SocketHandle socket_;
    sockaddr_in address_{};
};
