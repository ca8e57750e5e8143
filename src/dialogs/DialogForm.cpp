#include "dialogs/DialogForm.h"

#include <utility>

#include "ui/skin.h"

namespace {

void CancelDialog(tk::Form& dialog) { dialog.SetModalResult(tk::mrCancel); }

const tk::ActionRow kDialogActions[] = {
    {.name = "ActionCancel", .shortcut = {.key = VK_ESCAPE}, .onExecute = CancelDialog},
};

} // namespace

tk::FormDescription DialogDescription(tk::FormArgs args, std::span<const tk::ControlRow> controls) {
    args.border = tk::FormBorder::Dialog;
    args.minimizeBox = false;
    args.font = tk::FontSpec{}; // MS Sans Serif, 8 point
    return {.form = std::move(args), .actions = kDialogActions, .controls = controls};
}

void SkinnedDialog::FormSettingChange() {
    if (!look_.Outdated()) return;
    ApplySkin();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void SkinnedDialog::SkinDialog(tk::Image& background, const std::vector<RECT>& level1,
                               const std::vector<RECT>& level2,
                               std::initializer_list<ui::TXiButton*> buttons) {
    SkinForm(*this, background, level1, level2, buttons);
    look_.Painted();
}

void SkinForm(const tk::Form& form, tk::Image& background, const std::vector<RECT>& level1,
              const std::vector<RECT>& level2, std::initializer_list<ui::TXiButton*> buttons) {
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    ui::BlendBackground(background.Picture(), window.right - window.left, window.bottom - window.top, level1,
                        level2);
    for (ui::TXiButton* button : buttons) button->SetColorScheme(ui::ButtonSchemeFor());
}
