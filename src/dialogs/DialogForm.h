#pragma once
// What every dialog of the program shares: a dialog border, no minimise box,
// the program's 8-point font, Esc for Cancel, an untranslated Ok, and a
// skinned background behind an inner panel.
#include <windows.h>

#include <initializer_list>
#include <span>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/FormDescription.h"
#include "toolkit/GraphicControls.h"
#include "ui/XiButton.h"
#include "ui/skin.h"

// A dialog in the skin that follows the system's high-contrast mode while
// it is open, and its display scale.
class SkinnedDialog : public tk::Form {
public:
    using tk::Form::Form;

protected:
    // Paints the background for the window's current size and gives the
    // buttons the skin's scheme, through SkinDialog.
    virtual void ApplySkin() = 0;
    void FormDpiChanged() override { ApplySkin(); }
    void FormSettingChange() override;

    // SkinForm for this dialog, remembering the look it painted in.
    void SkinDialog(tk::Image& background, const std::vector<RECT>& level1, const std::vector<RECT>& level2,
                    std::initializer_list<ui::TXiButton*> buttons);

private:
    ui::PaintedLook look_;
};

// The Ok button's caption, the same in every language.
inline constexpr char kOkCaption[] = "Ok";

// A dialog's description from its own name, size, place and band and its
// controls: the shared set-up is added, and Esc ends it with Cancel.
tk::FormDescription DialogDescription(tk::FormArgs args, std::span<const tk::ControlRow> controls);

// Paints the background picture for the window's current size (inside the
// level-1 rectangles the first blend level, inside the level-2 ones the
// second, elsewhere the third) and gives the buttons the skin's scheme.
void SkinForm(const tk::Form& form, tk::Image& background, const std::vector<RECT>& level1,
              const std::vector<RECT>& level2, std::initializer_list<ui::TXiButton*> buttons);
