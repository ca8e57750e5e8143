kn_win_tool(timer_idle_bench TimerIdleBench.cpp)
kn_benchmark(perfdata_bench PerfDataBench.cpp)
