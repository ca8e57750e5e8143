kn_pure_tests(PerfData_test.cpp SystemTimeStamp_test.cpp CpuSamplerCore_test.cpp)
kn_win_tests(monitors adCpuUsage_test.cpp)
