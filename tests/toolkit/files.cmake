kn_win_tests(toolkit RegionalSettings_test.cpp)
