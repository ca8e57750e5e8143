#pragma once
// The gradient progress bar: a bordered bar whose empty and filled parts are
// each a two-colour gradient.
#include <windows.h>

#include "toolkit/Bitmap.h"
#include "toolkit/Control.h"
#include "ui/XiProgressBarSchemes.h"

namespace ui {

namespace xibar {
enum class TProgressBarOrientation { pbHorizontal, pbVertical };
} // namespace xibar

class TXiProgressBar : public tk::GraphicControl {
public:
    using TColorScheme = xibar::TColorScheme;
    using TProgressBarOrientation = xibar::TProgressBarOrientation;

    // Indices of the colour properties for SetIndexedColor.
    enum ColorIndex : int {
        ciColorBorder = 0,
        ciBackColorFace = 10,
        ciBackColorGrad = 11,
        ciForeColorFace = 20,
        ciForeColorGrad = 21,
    };

    static constexpr int kDefaultWidth = 200;
    static constexpr int kDefaultHeight = 16;

    // A new bar is 200 x 16 at the parent's top-left corner.
    TXiProgressBar(tk::WinControl* parent, std::string name);
    TXiProgressBar(tk::WinControl* parent, std::string name, tk::Bounds bounds);

    tk::TColor ColorBorder() const { return colors_.border; }
    tk::TColor BackColorFace() const { return colors_.backFace; }
    tk::TColor BackColorGrad() const { return colors_.backGrad; }
    tk::TColor ForeColorFace() const { return colors_.foreFace; }
    tk::TColor ForeColorGrad() const { return colors_.foreGrad; }
    TColorScheme ColorScheme() const { return colorScheme_; }
    int Max() const { return max_; }
    int Min() const { return min_; }
    int Position() const { return position_; }
    int Step() const { return step_; }
    TProgressBarOrientation Orientation() const { return orientation_; }

    void SetColorBorder(tk::TColor c) { SetIndexedColor(ciColorBorder, c); }
    void SetBackColorFace(tk::TColor c) { SetIndexedColor(ciBackColorFace, c); }
    void SetBackColorGrad(tk::TColor c) { SetIndexedColor(ciBackColorGrad, c); }
    void SetForeColorFace(tk::TColor c) { SetIndexedColor(ciForeColorFace, c); }
    void SetForeColorGrad(tk::TColor c) { SetIndexedColor(ciForeColorGrad, c); }
    // Stores one colour and marks the colours as set one by one (csCustom).
    // An unknown index changes nothing.
    void SetIndexedColor(int index, tk::TColor c);
    // Sets all five colours from the preset; csCustom keeps the colours as they are.
    void SetColorScheme(TColorScheme scheme);

    // Refused values are ignored. Position has no upper limit, and Min may be
    // raised above Position.
    void SetPosition(int v);
    void SetMin(int v);
    void SetMax(int v);
    void SetStep(int v);
    void SetOrientation(TProgressBarOrientation v);

    void Paint(tk::Canvas& canvas) override;
    // Read on demand: a new position raises no event.
    tk::AccessibleFacts Accessible() const override;

private:
    void PaintHorizontal(tk::Canvas& canvas, int width, int height);
    void PaintVertical(tk::Canvas& canvas, int width, int height);

    xibar::BarColors colors_{};
    TColorScheme colorScheme_ = TColorScheme::csCustom;
    int max_ = 100;
    int min_ = 0;
    int position_ = 0;
    int step_ = 10;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
    // Kept between paints so a frequently updated bar does not create a
    // bitmap and a device context every time.
    tk::Bitmap offscreen_;
};

} // namespace ui
