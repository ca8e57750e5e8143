kn_win_sources(myhint.cpp)
kn_win_sources(DialogForm.cpp confirm.cpp messageUnit.cpp)
kn_pure_sources(Countdown.cpp)
