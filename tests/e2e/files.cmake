kn_win_tests(e2e PowerPath_e2e_test.cpp Skins_e2e_test.cpp Accessibility_e2e_test.cpp AnyPath_e2e_test.cpp
  NetQuiet_e2e_test.cpp)
kn_win_tool(StandInPlayer StandInPlayerMain.cpp ../monitors/StandInPlayer.cpp)
kn_win_tests(e2e PlayerCommandLine_e2e_test.cpp ProgramCloses_e2e_test.cpp)
kn_win_script_test(imports ../../scripts/check-imports.sh)
# Start-up at each display scale, in a Wine prefix of its own (the scale is prefix-wide).
kn_win_tool(dpi_probe DpiProbeMain.cpp)
kn_win_script_test(display_scale ../../scripts/display-scale-test.sh)
