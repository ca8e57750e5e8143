kn_win_tool(faultprobe FaultProbe.cpp)
# A short round with the Wine tests; `make faults` runs the long one.
kn_win_script_test(faults ../../scripts/faults.sh --short --in-session)
