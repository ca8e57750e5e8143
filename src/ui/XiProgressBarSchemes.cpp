#include "ui/XiProgressBarSchemes.h"

#include <array>

namespace ui::xibar {

namespace {

using tk::RGBColor;

// The preset table, csDesert .. csToxic in ordinal order.
constexpr std::array<BarColors, 12> kFixedSchemes{{
    {RGBColor(128, 86, 0), RGBColor(255, 236, 198), RGBColor(255, 255, 255), RGBColor(255, 222, 155),
     RGBColor(183, 123, 0)},
    {RGBColor(55, 111, 21), RGBColor(220, 245, 203), RGBColor(255, 255, 255), RGBColor(219, 245, 201),
     RGBColor(98, 193, 40)},
    {RGBColor(107, 107, 107), RGBColor(224, 224, 224), RGBColor(255, 255, 255), RGBColor(240, 240, 240),
     RGBColor(173, 173, 173)},
    {RGBColor(0, 89, 179), RGBColor(213, 234, 255), RGBColor(255, 255, 255), RGBColor(221, 238, 255),
     RGBColor(94, 174, 255)},
    {RGBColor(157, 0, 0), RGBColor(255, 215, 215), RGBColor(255, 255, 255), RGBColor(255, 232, 232),
     RGBColor(255, 128, 128)},
    {RGBColor(100, 100, 0), RGBColor(255, 255, 206), RGBColor(255, 255, 255), RGBColor(255, 255, 223),
     RGBColor(220, 188, 5)},
    {RGBColor(0, 0, 0), RGBColor(0, 85, 0), RGBColor(0, 128, 0), RGBColor(174, 236, 145),
     RGBColor(0, 170, 0)},
    {RGBColor(0, 0, 0), RGBColor(0, 64, 128), RGBColor(0, 84, 168), RGBColor(151, 203, 255),
     RGBColor(0, 118, 236)},
    {RGBColor(0, 0, 0), RGBColor(89, 0, 0), RGBColor(140, 70, 70), RGBColor(242, 159, 159),
     RGBColor(187, 72, 72)},
    {RGBColor(0, 0, 0), RGBColor(70, 70, 70), RGBColor(111, 111, 111), RGBColor(206, 206, 206),
     RGBColor(115, 115, 115)},
    {RGBColor(0, 0, 0), RGBColor(64, 0, 128), RGBColor(101, 0, 202), RGBColor(219, 183, 255),
     RGBColor(153, 51, 255)},
    {RGBColor(0, 0, 0), RGBColor(86, 86, 44), RGBColor(123, 123, 62), RGBColor(222, 222, 188),
     RGBColor(142, 142, 70)},
}};

constexpr int kFirstFixed = static_cast<int>(TColorScheme::csDesert);
static_assert(kFirstFixed + static_cast<int>(kFixedSchemes.size()) ==
                  static_cast<int>(TColorScheme::csSystem),
              "every scheme between csCustom and csSystem needs a row");

// The toolkit's system-colour references carry the GetSysColor index in their low bytes.
constexpr int SysIndexOf(tk::TColor reference) { return static_cast<int>(reference & ~tk::kSystemColorFlag); }

} // namespace

std::optional<BarColors> SchemeColors(TColorScheme scheme, SysColorSource sysColor) {
    const int ordinal = static_cast<int>(scheme);
    if (scheme == TColorScheme::csSystem) {
        const tk::TColor text = sysColor(SysIndexOf(tk::clBtnText));
        const tk::TColor shadow = sysColor(SysIndexOf(tk::clBtnShadow));
        const tk::TColor highlight = sysColor(SysIndexOf(tk::clBtnHighlight));
        return BarColors{text, shadow, text, highlight, shadow};
    }
    if (ordinal < kFirstFixed || ordinal >= kFirstFixed + static_cast<int>(kFixedSchemes.size()))
        return std::nullopt;
    return kFixedSchemes[static_cast<std::size_t>(ordinal - kFirstFixed)];
}

} // namespace ui::xibar
