kn_pure_sources(DateTime.cpp DateTimeText.cpp IntConv.cpp Rounding.cpp SettingsFloat.cpp)
