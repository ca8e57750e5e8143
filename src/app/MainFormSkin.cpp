// The main window's skin: the list of skins, choosing one, the background
// blend with the window's frames, and the About box.
#include <memory>

#include "app/MainForm.h"
#include "dialogs/aboutUnit.h"
#include "toolkit/Texts.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"
#include "ui/lang.h"
#include "ui/skin.h"

void TMainForm::FillSkinComboBox() {
    SkinComboBox->Clear();
    for (const ui::TSkin& skin : ui::Skins()) SkinComboBox->AddItem(skin.Name);
    const bool any = SkinComboBox->ItemCount() > 0;
    if (!any) SkinComboBox->AddItem(tk::LoadText(lang::SkinListEmpty));
    SkinComboBox->SetEnabled(any);
    SkinComboBox->SetItemIndex(0);
}

void TMainForm::SelectSkin() { ui::SelectSkin(SkinComboBox->ItemIndex()); }

void TMainForm::ApplySkin() {
    RECT window{};
    GetWindowRect(Handle(), &window);
    // The date and countdown frames lie innermost; the group frames hold them.
    const std::vector<RECT> level1{Bevel5->GetBounds().Rect(), Bevel6->GetBounds().Rect()};
    const std::vector<RECT> level2{Bevel1->GetBounds().Rect(),  Bevel3->GetBounds().Rect(),
                                   Bevel7->GetBounds().Rect(),  Bevel9->GetBounds().Rect(),
                                   Bevel10->GetBounds().Rect(), Bevel13->GetBounds().Rect()};
    ui::BlendBackground(Image1->Picture(), window.right - window.left, window.bottom - window.top, level1,
                        level2);
    for (TXiButton* button : {NetTimeSpeedButton, AboutSpeedButton, PowerSpeedButton, CloseSpeedButton})
        button->SetColorScheme(ui::ButtonSchemeFor());
    for (TXiProgressBar* bar : {ProgressBarCPUCurrent, ProgressBarCPUByTime, ProgressBarNetByTime})
        bar->SetColorScheme(ui::BarSchemeFor());
}

void TMainForm::SkinComboBoxSelect() {
    // A tile that cannot be read stops here: the window keeps its picture.
    ui::SelectSkin(SkinComboBox->ItemIndex());
    RepaintInSkin();
}

void TMainForm::FollowHighContrast() {
    if (ui::FollowHighContrast()) RepaintInSkin();
}

void TMainForm::RepaintInSkin() {
    ApplySkin();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TMainForm::WMShowAbout() {
    // The box goes whichever way showing it ends.
    const auto box = std::make_unique<TAboutBox>();
    box->ShowModal();
}
