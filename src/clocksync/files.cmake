kn_pure_sources(TimeProtocol.cpp TimeReply.cpp ServerList.cpp ClockSyncReport.cpp ClockSyncProcedure.cpp QueryFailure.cpp)
kn_win_sources(HostResolver.cpp IdTCPClient.cpp IdTime.cpp LocalClock.cpp ServerListFile.cpp ClockSync.cpp)
