kn_pure_tests(TimeProtocol_test.cpp TimeReply_test.cpp ServerList_test.cpp ClockSyncProcedure_test.cpp)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/ServerList_test.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS KN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
kn_win_tests(clocksync LoopbackTimeServer.cpp IdTime_test.cpp LocalClock_test.cpp ServerListFile_test.cpp
  ClockSync_test.cpp)
