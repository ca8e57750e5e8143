// The built program armed from the command line to act when the loopback
// adapter goes quiet, while the test itself keeps it busy and then stops.
// The action is Standby, which under Wine is accepted and does nothing; the
// test cancels the confirmation anyway.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ProgramDriving.h"
#include "support/LoopbackTraffic.h"

using namespace e2e;

namespace {

constexpr char kMainCaption[] = "Kalvex Now! [NT]";
constexpr int kWindowSeconds = 5;
// The list's highest level: other programs' loopback traffic stays well below
// it, the test's own well above it.
constexpr int kLevelKB = 500;
constexpr int kBusyBytesPerRound = 256 * 1024; // every 50 ms: about 5 MB/s
constexpr DWORD kBusyMs = 3 * kWindowSeconds * 1000;
// A reading a second after the traffic stops, at the next 250 ms tick.
constexpr DWORD kLatenessMs = 1500;

bool ConfirmShown() { return VisibleWindow("Confirm") != nullptr; }

TEST(EndToEnd, LoopbackTrafficKeepsTheNetworkTriggerOffUntilAWindowAfterItStops) {
    const std::string settings = SettingsFile();
    DeleteFileA(settings.c_str());
    WritePrivateProfileStringA("OPTIONS", "ActionComboBox", "3", settings.c_str());
    LoopbackTraffic traffic;
    ASSERT_TRUE(traffic.Ok());

    RunningProgram program;
    const std::string option =
        "-net=" + std::to_string(kLevelKB) + "," + std::to_string(kWindowSeconds) + ",loopback";
    ASSERT_TRUE(Start(program, ProgramPath(), option));
    ASSERT_TRUE(WaitFor([] { return VisibleWindow(kMainCaption) != nullptr; }));

    // Three windows' worth of traffic: never quiet.
    const DWORD busyStart = GetTickCount();
    while (GetTickCount() - busyStart < kBusyMs) {
        traffic.Send(kBusyBytesPerRound);
        ASSERT_FALSE(ConfirmShown()) << "fired after " << GetTickCount() - busyStart << " ms of traffic";
        Sleep(kPollMs);
    }

    const DWORD quietStart = GetTickCount();
    ASSERT_TRUE(WaitFor(ConfirmShown, kWindowSeconds * 1000 + kLatenessMs + kPatienceMs));
    const DWORD quietMs = GetTickCount() - quietStart;
    // The window slides: it fires once what is left of the traffic in it averages below the level.
    EXPECT_GE(quietMs, static_cast<DWORD>(kWindowSeconds * 1000 / 2));
    EXPECT_LE(quietMs, static_cast<DWORD>(kWindowSeconds * 1000 + kLatenessMs));
    ClickChild(VisibleWindow("Confirm"), "Cancel");
}

} // namespace
