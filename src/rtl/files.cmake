kn_pure_sources(AsciiText.cpp DateTime.cpp DateTimeText.cpp IntConv.cpp Rounding.cpp SettingsFloat.cpp)
