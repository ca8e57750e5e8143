kn_win_tool(gallery gallery/Gallery.cpp)
kn_win_tool(skin_gallery skingallery/SkinGallery.cpp)

# MakeTile: a picture into a background tile, shipped beside the program.
kn_pure_sources(maketile/TileFit.cpp)
kn_pure_tests(maketile/TileFit_test.cpp)
kn_win_program(MakeTile maketile/MakeTile.cpp maketile/PictureFile.cpp)
kn_win_tests(tools maketile/PictureFile_test.cpp maketile/PictureFile.cpp)

# The renderers keep working as the program changes.
kn_win_script_test(gallery_tools ../scripts/gallery-tools-test.sh)
