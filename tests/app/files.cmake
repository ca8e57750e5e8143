kn_win_tests(app Settings_test.cpp SettingsSave_test.cpp)
kn_pure_tests(CountdownSpan_test.cpp)
kn_win_tests(app PowerActions_test.cpp)
kn_win_tests(app MainForm_test.cpp SchedulerTick_test.cpp HiddenTick_test.cpp PowerPath_test.cpp MainFormSkin_test.cpp
  Tray_test.cpp)
kn_win_tests(app WinampTrigger_test.cpp CommandLineWindow_test.cpp ../monitors/StandInPlayer.cpp)
kn_win_tests(app CountdownPicker_test.cpp)
kn_pure_tests(CpuLoadWindow_test.cpp TimerTrigger_test.cpp TickPlan_test.cpp TriggerUnits_test.cpp TrayTexts_test.cpp
  NetQuietWindow_test.cpp)
kn_win_tests(app ClockSyncWindow_test.cpp ../clocksync/LoopbackTimeServer.cpp)
kn_pure_tests(CommandLineSplit_test.cpp CommandLine_test.cpp CommandLineHelp_test.cpp)
kn_win_tests(app DisplayScale_test.cpp)
kn_win_tests(app ProgramCloseUnit_test.cpp)
