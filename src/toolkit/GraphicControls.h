#pragma once
// The windowless controls forms are built from: labels, bevels, shapes, images.
#include <optional>

#include "toolkit/Bitmap.h"
#include "toolkit/Control.h"

namespace tk {

enum class TextAlignment { Left, Center, Right };

struct LabelArgs {
    std::string caption{};
    bool transparent = true;
    bool autoSize = true; // false: keeps its given size ("fixed size")
    TextAlignment alignment = TextAlignment::Left;
    bool bold = false;
    std::optional<FontSpec> font{}; // default: the parent's font
    std::optional<TColor> color{};  // background when opaque; default: the parent's
    // Design width the text must keep within (0: any). A longer text is drawn
    // in a smaller size of the font, down to kSmallestFitPercent of it, and
    // what still does not fit ends in an ellipsis.
    int fitWidth = 0;
};

inline constexpr int kSmallestFitPercent = 70;

class Label : public GraphicControl {
public:
    Label(WinControl* parent, std::string name, Bounds bounds, LabelArgs args = {});

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool AutoSize() const { return autoSize_; }
    // The font the caption is drawn in: Font(), or a smaller size of it that fits.
    const FontSpec& DrawnFont() const { return drawnFont_; }
    void Paint(Canvas& canvas) override;
    AccessibleFacts Accessible() const override;

protected:
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustSize();
    SIZE MeasureCaption(const FontSpec& font) const;
    // A size of the font in which the caption fits the width; the smallest
    // allowed one when none does.
    FontSpec FittingFont(int width) const;

    bool transparent_;
    bool autoSize_;
    TextAlignment alignment_;
    int fitWidth_;
    FontSpec drawnFont_;
};

enum class BevelShape { Frame, TopLine };

// A lowered frame or a lowered line along the top edge.
class Bevel : public GraphicControl {
public:
    Bevel(WinControl* parent, std::string name, Bounds bounds, BevelShape shape = BevelShape::Frame);
    void Paint(Canvas& canvas) override;
    // A frame with a header reads as a group of that name.
    AccessibleFacts Accessible() const override;
    bool GroupsContent() const override { return shape_ == BevelShape::Frame; }

private:
    BevelShape shape_;
};

enum class ShapeKind { Rectangle, RoundRect };

struct ShapeArgs {
    ShapeKind kind = ShapeKind::Rectangle;
    TColor brushColor = clWhite;
    TColor penColor = clBlack;
    int penWidth = 1;
};

class Shape : public GraphicControl {
public:
    Shape(WinControl* parent, std::string name, Bounds bounds, ShapeArgs args = {});

    void SetBrushColor(TColor c);
    void SetPenColor(TColor c);
    TColor BrushColor() const { return args_.brushColor; }
    TColor PenColor() const { return args_.penColor; }
    void Paint(Canvas& canvas) override;

private:
    ShapeArgs args_;
};

// Holds a picture and paints it at its top-left corner.
class Image : public GraphicControl {
public:
    Image(WinControl* parent, std::string name, Bounds bounds);

    Bitmap& Picture() { return picture_; }
    void Paint(Canvas& canvas) override;

private:
    Bitmap picture_;
};

} // namespace tk
