kn_win_sources(Program.cpp Platform.cpp)
kn_win_sources(global.cpp SettingsFile.cpp)
kn_win_sources(PowerActions.cpp)
kn_win_sources(MainForm.cpp MainFormLayout.cpp MainFormTick.cpp MainFormPower.cpp MainFormHooks.cpp ActionCaptions.cpp)
