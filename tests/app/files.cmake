kn_win_tests(app Settings_test.cpp)
kn_win_tests(app PowerActions_test.cpp)
kn_win_tests(app MainForm_test.cpp SchedulerTick_test.cpp PowerPath_test.cpp MainFormSkin_test.cpp)
kn_pure_tests(CpuLoadWindow_test.cpp TimerTrigger_test.cpp)
