#include "ui/FormKinds.h"

#include "ui/BtChkBox.h"
#include "ui/CheckBoxPictures.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"

namespace ui {

tk::ControlKind MakeBitCheckBox(CheckBoxPictures pictures) {
    return [pictures](tk::Form& form, const tk::ControlRow& row) -> tk::Control& {
        auto& box = form.Add<TBitCheckBox>(row.name, row.bounds);
        if (pictures == CheckBoxPictures::Box) UseBoxPictures(box);
        if (pictures == CheckBoxPictures::Radio) {
            UseRadioPictures(box);
            box.SetReadsAsRadio(true);
        }
        if (row.onKeyPress)
            box.OnKeyPress = [&form, run = row.onKeyPress](TBitCheckBox&, char& key) { run(form, key); };
        return box;
    };
}

tk::ControlKind MakeXiButton() {
    return [](tk::Form& form, const tk::ControlRow& row) -> tk::Control& {
        auto& button = form.Add<TXiButton>(row.name, row.bounds);
        if (row.modalResult != tk::mrNone) button.SetModalResult(row.modalResult);
        if (row.action) button.SetAction(form.FindAction(row.action));
        return button;
    };
}

tk::ControlKind MakeXiProgressBar(ProgressBarArgs args) {
    return [args](tk::Form& form, const tk::ControlRow& row) -> tk::Control& {
        auto& bar = form.Add<TXiProgressBar>(row.name, row.bounds);
        if (args.colors) {
            bar.SetColorBorder(args.colors->border);
            bar.SetBackColorFace(args.colors->backFace);
            bar.SetBackColorGrad(args.colors->backGrad);
            bar.SetForeColorFace(args.colors->foreFace);
            bar.SetForeColorGrad(args.colors->foreGrad);
        }
        bar.SetColorScheme(args.scheme);
        bar.SetMax(args.max);
        bar.SetMin(args.min);
        bar.SetPosition(args.position);
        return bar;
    };
}

} // namespace ui
