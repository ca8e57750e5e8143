kn_pure_tests(EdgeSnap_test.cpp ReadingOrder_test.cpp)
kn_win_tests(toolkit RegionalSettings_test.cpp AsyncTimer_test.cpp FormDescription_test.cpp)
kn_win_tests(toolkit SystemLibrary_test.cpp Handles_test.cpp Form_test.cpp HandOver_test.cpp PostedCall_test.cpp ComboBox_test.cpp DateTimePicker_test.cpp)
kn_win_tests(toolkit Label_test.cpp)
