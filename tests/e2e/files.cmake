kn_win_tests(e2e PowerPath_e2e_test.cpp Skins_e2e_test.cpp)
