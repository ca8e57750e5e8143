// One full time-protocol exchange against a server on 127.0.0.1, many times:
// prints the median and the spread of the round trip as the client sees it.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "../tests/clocksync/LoopbackTimeServer.h"
#include "clocksync/IdTime.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
    LoopbackTimeServer server({{Send(WireBytes(0xD4140440u))}});
    clocksync::TIdTime client;
    client.SetHost(server.Host());
    client.SetPort(server.Port());
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        client.QueryServerTime();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("time exchange on 127.0.0.1, %d runs: median %.2f ms, min %.2f ms, 90th percentile %.2f ms\n",
                runs, ms[ms.size() / 2], ms.front(), ms[ms.size() * 9 / 10]);
    return 0;
}
