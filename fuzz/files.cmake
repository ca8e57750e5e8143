kn_fuzz_target(perfdata PerfDataFuzz.cpp)
kn_fuzz_target(skin SkinFuzz.cpp)
kn_fuzz_target(timereply TimeReplyFuzz.cpp)
kn_fuzz_target(serverlist ServerListFuzz.cpp)
