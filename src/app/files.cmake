kn_win_sources(Program.cpp Platform.cpp)
kn_win_sources(global.cpp WindowsSettingsFileSystem.cpp)
kn_pure_sources(SettingsFile.cpp CountdownSpan.cpp)
kn_win_sources(PowerActions.cpp)
kn_win_sources(MainForm.cpp MainFormDescription.cpp MainFormTick.cpp MainFormIdle.cpp MainFormPower.cpp MainFormClockSync.cpp
  MainFormSkin.cpp ActionCaptions.cpp)
kn_win_sources(MainFormCommandLine.cpp TrayIcon.cpp TickScheduler.cpp)
kn_win_sources(TimerTriggerUnit.cpp CpuLoadTriggerUnit.cpp WinampTriggerUnit.cpp SnoozeUnit.cpp MainFormTray.cpp
  NetQuietTriggerUnit.cpp ProgramCloseTriggerUnit.cpp)
kn_pure_sources(CpuLoadWindow.cpp TimerTrigger.cpp TickPlan.cpp TriggerUnit.cpp TrayTexts.cpp)
kn_pure_sources(NetQuietWindow.cpp NetQuietTrigger.cpp ProgramCloseTexts.cpp)
kn_pure_sources(CommandLineSplit.cpp CommandLine.cpp CommandLineHelp.cpp)
