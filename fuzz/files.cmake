kn_fuzz_target(perfdata PerfDataFuzz.cpp)
kn_fuzz_target(skin SkinFuzz.cpp)
