#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tiletool {

// A decoded picture: rows from the top, blue, green, red, alpha per pixel.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgra;
};

// Decodes any picture the system's imaging component reads (PNG, BMP, and
// more). Raises core::Error with a text for the user when it cannot.
DecodedPicture LoadPicture(const std::string& path);

// Reads the picture and writes its tile file: 49,152 bytes, column by column.
void MakeTileFile(const std::string& picturePath, const std::string& tilePath);

} // namespace tiletool
