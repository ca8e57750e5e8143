kn_pure_tests(TimeProtocol_test.cpp TimeReply_test.cpp ServerList_test.cpp ClockSyncProcedure_test.cpp)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/ServerList_test.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS KN_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
kn_win_tests(clocksync LoopbackTimeServer.cpp IdTime_test.cpp LocalClock_test.cpp ServerListFile_test.cpp
  ClockSync_test.cpp XinetdTime_test.cpp)
# The same test program against xinetd's time service on a loopback port.
if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  add_test(NAME wine_xinetd_time
    COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/xinetd-time-test.sh $<TARGET_FILE:clocksync_tests>)
  set_tests_properties(wine_xinetd_time PROPERTIES TIMEOUT 120)
endif()
