kn_win_tests(e2e PowerPath_e2e_test.cpp Skins_e2e_test.cpp Accessibility_e2e_test.cpp NetQuiet_e2e_test.cpp)
kn_win_tool(StandInPlayer StandInPlayerMain.cpp ../monitors/StandInPlayer.cpp)
kn_win_tests(e2e PlayerCommandLine_e2e_test.cpp)
