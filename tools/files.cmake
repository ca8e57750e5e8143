kn_win_tool(gallery gallery/Gallery.cpp)
