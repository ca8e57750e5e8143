kn_pure_sources(UnicodeText.cpp AsciiText.cpp PercentEncoding.cpp DateTime.cpp DateTimeText.cpp IntConv.cpp Rounding.cpp SettingsFloat.cpp)
