kn_pure_tests(PerfData_test.cpp SystemTimeStamp_test.cpp CpuSamplerCore_test.cpp)
kn_win_tests(monitors adCpuUsage_test.cpp)
kn_pure_tests(WinampPoll_test.cpp ProgramCloseRule_test.cpp)
kn_win_tests(monitors WinampWindow_test.cpp StandInPlayer.cpp ProgramCloseWatch_test.cpp)
