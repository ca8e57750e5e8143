kn_fuzz_target(perfdata PerfDataFuzz.cpp)
