#pragma once
// Row kinds of the program's own controls, for form descriptions.
#include <optional>

#include "toolkit/FormDescription.h"
#include "ui/XiProgressBarSchemes.h"

namespace ui {

enum class CheckBoxPictures { BuiltIn, Box, Radio };

// A bitmap check box; onKeyPress wires its key event.
tk::ControlKind MakeBitCheckBox(CheckBoxPictures pictures = CheckBoxPictures::BuiltIn);

// A gradient button: the row's action and modal result apply.
tk::ControlKind MakeXiButton();

struct ProgressBarArgs {
    // Stored single colours, applied before the scheme, which then wins
    // unless it is csCustom.
    std::optional<xibar::BarColors> colors;
    xibar::TColorScheme scheme = xibar::TColorScheme::csCustom;
    int min = 0;
    int max = 100;
    int position = 0;
};

tk::ControlKind MakeXiProgressBar(ProgressBarArgs args = {});

} // namespace ui
