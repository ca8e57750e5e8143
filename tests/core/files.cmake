kn_pure_tests(UnicodeText_test.cpp AsciiText_test.cpp PercentEncoding_test.cpp DateTime_test.cpp DateTimeText_test.cpp IntConv_test.cpp Rounding_test.cpp SettingsFloat_test.cpp)
