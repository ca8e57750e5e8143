#pragma once
// The gradient bar's colour presets. Kept apart from the gradient button's
// presets, which share the name but not the members.
#include <optional>

#include "toolkit/Color.h"

namespace ui::xibar {

// Ordinals are stored in window descriptions and chosen by skins: keep the order.
enum class TColorScheme {
    csCustom,
    csDesert,
    csGrass,
    csSilver,
    csSky,
    csRose,
    csSun,
    csHackers,
    csNight,
    csVelvet,
    csMetal,
    csViolet,
    csToxic,
    csSystem,
};

constexpr int kSchemeCount = static_cast<int>(TColorScheme::csSystem) + 1;

struct BarColors {
    tk::TColor border;
    tk::TColor backFace;
    tk::TColor backGrad;
    tk::TColor foreFace;
    tk::TColor foreGrad;

    friend bool operator==(const BarColors&, const BarColors&) = default;
};

// Looks up a system colour by its GetSysColor index.
using SysColorSource = tk::TColor (*)(int index);

// The five colours of a scheme; csSystem reads them from the source now, so later
// changes of the system colours do not follow. csCustom (or a value outside the
// enumeration) has no colours.
std::optional<BarColors> SchemeColors(TColorScheme scheme, SysColorSource sysColor);

} // namespace ui::xibar
