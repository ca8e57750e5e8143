kn_win_sources(myhint.cpp)
