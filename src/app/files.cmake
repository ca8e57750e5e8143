kn_win_sources(Program.cpp Platform.cpp)
kn_win_sources(AsyncTimer.cpp)
