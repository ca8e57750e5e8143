// MakeTile <picture> <tile file>: turns a PNG, BMP or other picture into a
// background tile for a skin.
#include <cstdio>
#include <exception>

#include "PictureFile.h"

namespace {
constexpr char kUsage[] =
    "Usage: MakeTile <picture> <tile file>\n"
    "Turns a picture (PNG, BMP, JPEG, ...) into a 128 x 128 background tile for a\n"
    "skin: the largest centred square of the picture, scaled. Start from a picture\n"
    "whose opposite edges match, or the tile shows seams where it repeats.\n";
constexpr int kUsageError = 2;
constexpr int kFailure = 1;
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs(kUsage, stderr);
        return kUsageError;
    }
    try {
        tiletool::MakeTileFile(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return kFailure;
    }
    std::printf("Wrote %s\n", argv[2]);
    return 0;
}
