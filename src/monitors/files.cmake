kn_pure_sources(PerfData.cpp SystemTimeStamp.cpp ProcessorTimes.cpp CpuSamplerCore.cpp CpuSamples.cpp)
kn_win_sources(CpuDataSource.cpp CpuSampler.cpp PlatformLayout.cpp adCpuUsage.cpp)
kn_pure_sources(WinampPoll.cpp)
kn_win_sources(WinampWindow.cpp)
