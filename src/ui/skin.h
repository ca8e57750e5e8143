#pragma once
// Skins: the list of skin files beside the program, the active skin, the
// background tile, and the blend every window paints its background with.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/Bitmap.h"
#include "ui/SkinCore.h"
#include "ui/XiButtonSchemes.h"
#include "ui/XiProgressBarSchemes.h"

namespace ui {

using skin::TActiveSkin;
using skin::TSkin;

// Once, before any window exists: the white start tile and the built-in
// levels, then every plain file programFolder\skins\*.ini in the order the
// system lists them. programFolder ends with a backslash; languageCode picks
// the name key ("ENG": SKIN_ENG).
void LoadSkinList(const std::string& programFolder, const std::string& languageCode);

// Makes Skins()[index] active; an index outside the list changes nothing. The
// values are taken first; then the tile file is read when it is exactly one
// tile long. Raises core::Error("Cannot open file "<path>". <reason>") when the
// tile file cannot be opened; the previous tile then stays.
void SelectSkin(int index);

const std::vector<TSkin>& Skins();
// The selected skin's values, or the system look while high contrast is on.
const TActiveSkin& ActiveSkin();

// High contrast: while the system's mode is on, every window takes the
// system look and no tile, whatever skin is selected. Read at start and
// again by FollowHighContrast, on each setting change; true when it changed.
bool HighContrastInForce();
bool FollowHighContrast();
// Where the mode is read; tests stand in for the system, which may refuse it.
using HighContrastReader = bool (*)();
bool SystemHighContrast();
void SetHighContrastReader(HighContrastReader reader);

// The look one window last painted in. Every window hears of a setting
// change, in no set order, so each compares the mode with its own picture
// rather than trusting the first of them to have noticed the change.
class PaintedLook {
public:
    // Reads the mode; true when the window's picture no longer matches it.
    bool Outdated();
    // The window has just painted itself in the current look.
    void Painted() { highContrast_ = HighContrastInForce(); }

private:
    std::optional<bool> highContrast_; // nothing until the window has painted
};
const skin::Tile& BackgroundTile();

// Computes a window's background picture at the window's outer size from the
// tile, the button-face colour and the active levels: level 1 inside the
// level-1 rectangles, level 2 inside the level-2 rectangles, level 3 elsewhere
// (rectangles in client coordinates).
void BlendBackground(tk::Bitmap& picture, int width, int height, const std::vector<RECT>& level1Rects,
                     const std::vector<RECT>& level2Rects);

// The gradient buttons' and bars' schemes for the active skin.
xibutton::TColorScheme ButtonSchemeFor();
xibar::TColorScheme BarSchemeFor();

} // namespace ui
