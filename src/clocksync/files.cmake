kn_pure_sources(TimeProtocol.cpp TimeReply.cpp ServerList.cpp ClockSyncReport.cpp ClockSyncProcedure.cpp)
