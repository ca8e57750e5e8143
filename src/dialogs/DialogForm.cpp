#include "dialogs/DialogForm.h"

#include "ui/skin.h"

tk::FormArgs DialogArgs(tk::FormArgs args) {
    args.border = tk::FormBorder::Dialog;
    args.minimizeBox = false;
    args.font = tk::FontSpec{}; // MS Sans Serif, 8 point
    return args;
}

void SkinDialog(const tk::Form& dialog, tk::Image& background, const std::vector<RECT>& level1,
                const std::vector<RECT>& level2, std::initializer_list<ui::TXiButton*> buttons) {
    RECT window{};
    GetWindowRect(dialog.Handle(), &window);
    ui::BlendBackground(background.Picture(), window.right - window.left, window.bottom - window.top, level1,
                        level2);
    for (ui::TXiButton* button : buttons) button->SetColorScheme(ui::ButtonSchemeFor());
}
