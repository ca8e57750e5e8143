#pragma once
#include <windows.h>

#include <string>

#include "toolkit/Color.h"

namespace tk {

struct FontSpec {
    std::string name = "MS Sans Serif";
    int height = -11; // negative: character height in pixels (8 point at 96 dpi)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    TColor color = clWindowText;

    bool SameFace(const FontSpec& o) const {
        return name == o.name && height == o.height && bold == o.bold && italic == o.italic &&
               underline == o.underline;
    }
};

// Fonts are created once per face and kept for the life of the process: the
// program uses a handful of faces and paints often.
HFONT FontHandleFor(const FontSpec& face);

} // namespace tk
