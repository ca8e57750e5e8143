#include "ui/skin.h"

namespace ui {

void BlendBackground(tk::Bitmap& picture, int width, int height, const std::vector<RECT>& /*level1Rects*/,
                     const std::vector<RECT>& /*level2Rects*/) {
    picture.SetSize(width, height);
    if (picture.Empty()) return;
    tk::Canvas& canvas = picture.GetCanvas();
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(tk::clBtnFace);
    canvas.FillRect(RECT{0, 0, width, height});
}

xibutton::TColorScheme ButtonSchemeFor() { return xibutton::TColorScheme::csSystem; }

} // namespace ui
