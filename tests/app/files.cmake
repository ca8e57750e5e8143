kn_win_tests(app AsyncTimer_test.cpp)
