kn_pure_tests(Countdown_test.cpp AboutLinks_test.cpp)
kn_win_tests(dialogs confirm_test.cpp messageUnit_test.cpp aboutUnit_test.cpp DialogForm_test.cpp)
