#pragma once
// The skin operations the windows call when they paint their backgrounds and
// colour their buttons.
#include <windows.h>

#include <vector>

#include "toolkit/Bitmap.h"
#include "ui/XiButtonSchemes.h"

namespace ui {

// Computes a window's background picture at the window's outer size; pixels
// inside a level-1 rectangle use the first blend level, inside a level-2
// rectangle the second, all others the third. Until skins exist the picture
// is plain button face, which is what a skinless window shows anyway.
void BlendBackground(tk::Bitmap& picture, int width, int height, const std::vector<RECT>& level1Rects,
                     const std::vector<RECT>& level2Rects);

// The gradient buttons' scheme for the active skin; the system colours until
// skins exist.
xibutton::TColorScheme ButtonSchemeFor();

} // namespace ui
