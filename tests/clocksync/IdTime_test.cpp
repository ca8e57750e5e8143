// The time client against a scripted server on the loopback interface.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "LoopbackTimeServer.h"
#include "clocksync/IdTime.h"
#include "clocksync/LocalClock.h"
#include "core/Error.h"
#include "toolkit/SystemError.h"

using namespace clocksync;

namespace {

// The client aimed at a server; a short read time-out keeps the tests quick.
struct Client : TIdTime {
    Client(const LoopbackTimeServer& server, std::int32_t timeout = kShortTimeoutMs) {
        SetHost(server.Host());
        SetPort(server.Port());
        SetTimeout(timeout);
    }
};

// The error text of a query, or "" when it succeeded.
std::string FailureOf(TIdTime& client) {
    try {
        client.QueryServerSeconds();
    } catch (const core::Error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(IdTime, Defaults) {
    TIdTime client;
    EXPECT_EQ(client.Port(), 37);
    EXPECT_EQ(client.Timeout(), 2500);
    EXPECT_EQ(client.BaseDate(), 2.0);
    EXPECT_EQ(client.ReadTimeout(), 0);
    EXPECT_EQ(client.ReplyDelay(), 0u);
    EXPECT_EQ(client.Host(), "");
    EXPECT_FALSE(client.HasOpenSocket());
}

TEST(IdTime, AnswersInAnyShape) {
    struct Case {
        const char* name;
        ConnectionScript script;
        std::uint32_t seconds;
    } const cases[] = {
        {"four bytes", {Send(WireBytes(kOct2012))}, kOct2012},
        {"eight bytes", {Send({0xD4, 0x14, 0x04, 0x40, 0xFF, 0xFF, 0xFF, 0xFF})}, kOct2012},
        {"two segments", {Send({0xD4, 0x14}), Pause(150), Send({0x04, 0x40})}, kOct2012},
        {"four segments",
         {Send({0xD4}), Pause(30), Send({0x14}), Pause(30), Send({0x04}), Send({0x40})},
         kOct2012},
        {"one byte then close", {Send({0xD4})}, 0},
        {"two bytes then close", {Send({0xD4, 0x14})}, 0},
        {"three bytes then close", {Send({0xD4, 0x14, 0x04})}, 0},
        {"the value 0", {Send(WireBytes(0))}, 0},
    };
    for (const Case& c : cases) {
        LoopbackTimeServer server({c.script});
        Client client(server);
        EXPECT_EQ(client.QueryServerSeconds(), c.seconds) << c.name;
        EXPECT_FALSE(client.HasOpenSocket()) << c.name;
        EXPECT_EQ(server.Connections(), 1) << c.name;
    }
}

TEST(IdTime, FailuresCarryTheirTexts) {
    struct Case {
        const char* name;
        ConnectionScript script;
        const char* text;
    } const cases[] = {
        {"close without data", {}, "Connection Closed Gracefully."},
        {"never sends", {Hold()}, "Read Timeout"},
        {"stops after two bytes", {Send({0xD4, 0x14}), Hold()}, "Read Timeout"},
    };
    for (const Case& c : cases) {
        LoopbackTimeServer server({c.script});
        Client client(server);
        EXPECT_EQ(FailureOf(client), c.text) << c.name;
        EXPECT_FALSE(client.HasOpenSocket()) << c.name;
        EXPECT_EQ(client.ReplyDelay(), 0u) << c.name << ": a failed exchange leaves the delay alone";
    }
}

TEST(IdTime, ReadTimeoutComesAfterTheTimeout) {
    for (const std::int32_t timeout : {kShortTimeoutMs, kDefaultTimeoutMs}) {
        LoopbackTimeServer server({{Hold()}});
        Client client(server, timeout);
        const auto start = Clock::now();
        EXPECT_EQ(FailureOf(client), "Read Timeout");
        const long long elapsed = MsSince(start);
        EXPECT_GE(elapsed, timeout - 20) << timeout;
        EXPECT_LT(elapsed, timeout + 500) << timeout;
    }
}

TEST(IdTime, RefusedConnectionFailsAtOnce) {
    TIdTime client;
    client.SetHost("127.0.0.1");
    client.SetPort(RefusingLoopbackPort());
    const auto start = Clock::now();
    EXPECT_NE(FailureOf(client), "");
    EXPECT_LT(MsSince(start), 2000);
    EXPECT_FALSE(client.HasOpenSocket());
}

TEST(IdTime, HostAndPortThatCannotWork) {
    TIdTime client;
    EXPECT_EQ(FailureOf(client), "No time server host");
    client.SetHost("127.0.0.1");
    client.SetPort(70000);
    EXPECT_EQ(FailureOf(client), "Invalid port 70000");
}

TEST(IdTime, SlowAnswerAddsWholeSecondsOfHalfTheExchange) {
    LoopbackTimeServer server({{Pause(2400), Send(WireBytes(kOct2012))}});
    Client client(server);
    client.SetTimeout(kDefaultTimeoutMs);
    const core::TDateTime t = client.QueryServerTime();
    EXPECT_GE(client.ReplyDelay(), 1200u - 20);
    EXPECT_LT(client.ReplyDelay(), 1600u);
    // One second added, in the local zone.
    EXPECT_NEAR(t, 41183.5 + 1.0 / core::SecondsPerDay - LocalZoneOffset(), 1e-9);
}

TEST(IdTime, QuickAnswerAddsNothing) {
    LoopbackTimeServer server({{Send(WireBytes(kOct2012))}});
    Client client(server);
    EXPECT_NEAR(client.QueryServerTime(), 41183.5 - LocalZoneOffset(), 1e-9);
    EXPECT_LT(client.ReplyDelay(), 1000u);
}

TEST(IdTime, NoValueGivesZeroDateTime) {
    LoopbackTimeServer server({{Send({1, 2})}, {Send(WireBytes(0))}});
    Client client(server);
    EXPECT_EQ(client.QueryServerTime(), 0.0);
    EXPECT_EQ(client.QueryServerTime(), 0.0);
}

TEST(IdTime, ServesOverIPv6) {
    LoopbackTimeServer server({{Send(WireBytes(kOct2012))}}, LoopbackTimeServer::Family::IPv6);
    Client client(server);
    EXPECT_EQ(client.QueryServerSeconds(), kOct2012);
}

TEST(IdTime, ResolvesTheName) {
    LoopbackTimeServer server({{Send(WireBytes(kOct2012))}});
    Client client(server);
    client.SetHost("localhost");
    EXPECT_EQ(client.QueryServerSeconds(), kOct2012);
}

TEST(IdTime, TriesEveryAddressOfTheName) {
    using Family = LoopbackTimeServer::Family;
    for (const Family family : {Family::IPv4, Family::IPv6}) {
        LoopbackTimeServer server({{Send(WireBytes(kOct2012))}}, family);
        const Family other = family == Family::IPv4 ? Family::IPv6 : Family::IPv4;
        // Two addresses that refuse, then the server.
        const std::vector<ResolvedAddress> addresses = {
            LoopbackEndpoint(other, RefusingLoopbackPort(other)),
            LoopbackEndpoint(family, RefusingLoopbackPort(family)), LoopbackEndpoint(family, server.Port())};
        Client client(server);
        client.SetHost("time.example");
        std::string askedFor;
        client.SetResolver([&](const std::string& host, std::int32_t, HANDLE, DWORD) {
            askedFor = host;
            return addresses;
        });
        EXPECT_EQ(client.QueryServerSeconds(), kOct2012) << server.Host();
        EXPECT_EQ(askedFor, "time.example");
    }
}

TEST(IdTime, EveryAddressRefusingFailsWithTheLastReason) {
    TIdTime client;
    client.SetHost("time.example");
    client.SetResolver([](const std::string&, std::int32_t, HANDLE, DWORD) {
        using Family = LoopbackTimeServer::Family;
        return std::vector<ResolvedAddress>{
            LoopbackEndpoint(Family::IPv6, RefusingLoopbackPort(Family::IPv6)),
            LoopbackEndpoint(Family::IPv4, RefusingLoopbackPort(Family::IPv4))};
    });
    EXPECT_EQ(FailureOf(client), SystemErrorMessage(WSAECONNREFUSED));
    client.SetResolver(
        [](const std::string&, std::int32_t, HANDLE, DWORD) { return std::vector<ResolvedAddress>{}; });
    EXPECT_EQ(FailureOf(client), "No address for time.example");
}

TEST(IdTime, AbortEndsAWaitAtOnce) {
    LoopbackTimeServer server({{Hold()}});
    Client client(server, kDefaultTimeoutMs);
    std::string failure;
    std::thread query([&] { failure = FailureOf(client); });
    while (server.Connections() == 0) Sleep(5);
    EXPECT_TRUE(client.HasOpenSocket()) << "open throughout the wait";
    const auto start = Clock::now();
    client.Abort();
    query.join();
    EXPECT_LT(MsSince(start), 200);
    EXPECT_EQ(failure, "Operation aborted");
    EXPECT_FALSE(client.HasOpenSocket());
    // Until cleared, the next exchange stops at once too.
    EXPECT_EQ(FailureOf(client), "Operation aborted");
    client.ClearAbort();
    client.SetTimeout(kShortTimeoutMs);
    EXPECT_EQ(FailureOf(client), "Read Timeout");
}
