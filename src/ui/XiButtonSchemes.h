#pragma once
// The gradient button's colour properties and its named colour schemes.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "toolkit/Color.h"

namespace ui::xibutton {

// Ordinals as stored in form files. The progress bar has its own, different
// enumeration of the same name.
enum class TColorScheme : std::uint8_t {
    csNeoDesert,
    csNeoSky,
    csNeoGrass,
    csNeoSilver,
    csNeoRose,
    csNeoSun,
    csDesert,
    csGrass,
    csSky,
    csSun,
    csRose,
    csSilver,
    csCustom,
    csSystem,
};

// Indices of the colour properties: six per state (Normal, Over, Down,
// Disabled), then the focus frame.
enum ColorProperty : int {
    ColorFace,
    ColorGrad,
    ColorDark,
    ColorLight,
    ColorBorder,
    ColorText,
    OverColorFace,
    OverColorGrad,
    OverColorDark,
    OverColorLight,
    OverColorBorder,
    OverColorText,
    DownColorFace,
    DownColorGrad,
    DownColorDark,
    DownColorLight,
    DownColorBorder,
    DownColorText,
    DisabledColorFace,
    DisabledColorGrad,
    DisabledColorDark,
    DisabledColorLight,
    DisabledColorBorder,
    DisabledColorText,
    ColorFocusRect,
    ColorPropertyCount
};

constexpr int kColorsPerState = 6;
// Offsets of the state groups and of a colour inside its group.
enum StateGroup : int {
    NormalColors = ColorFace,
    OverColors = OverColorFace,
    DownColors = DownColorFace,
    DisabledColors = DisabledColorFace,
};
enum StateColor : int { Face, Grad, Dark, Light, Border, Text };

using ColorValues = std::array<tk::TColor, ColorPropertyCount>;

// What choosing a scheme assigns: a colour for each property it sets (the flat
// schemes leave the four gradient ends alone) and the Gradient switch.
struct SchemeAssignment {
    std::array<std::optional<tk::TColor>, ColorPropertyCount> colors;
    bool gradient = true;
};

// Reads a system colour by its GetSysColor index.
using SysColorReader = std::function<tk::TColor(int index)>;

// The assignment of a scheme; none for csCustom and for values past csSystem.
// csSystem reads the system colours through readSysColor now.
std::optional<SchemeAssignment> SchemeFor(TColorScheme scheme, const SysColorReader& readSysColor);

} // namespace ui::xibutton
