// The main window's skin: the list of skins, choosing one, the background
// blend with the window's frames, and the About box.
#include <memory>

#include "app/MainForm.h"
#include "dialogs/DialogForm.h"
#include "dialogs/aboutUnit.h"
#include "toolkit/Texts.h"
#include "toolkit/WideText.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"
#include "ui/lang.h"
#include "ui/skin.h"

void TMainForm::FillSkinComboBox() {
    SkinComboBox->Clear();
    // The names are read as UTF-8; the list shows texts in the ANSI code page,
    // which the skin files are written in.
    for (const ui::TSkin& skin : ui::Skins()) SkinComboBox->AddItem(tk::AnsiFromUtf8(skin.Name));
    const bool any = SkinComboBox->ItemCount() > 0;
    if (!any) SkinComboBox->AddItem(tk::LoadText(lang::SkinListEmpty));
    SkinComboBox->SetEnabled(any);
    SkinComboBox->SetItemIndex(0);
}

std::vector<std::string> TMainForm::SkinFiles() {
    std::vector<std::string> files;
    for (const ui::TSkin& skin : ui::Skins()) files.push_back(skin.FileName);
    return files;
}

std::string TMainForm::SelectedSkinFile() const {
    const int index = SkinComboBox->ItemIndex();
    const auto& skins = ui::Skins();
    return index >= 0 && index < static_cast<int>(skins.size())
               ? skins[static_cast<std::size_t>(index)].FileName
               : std::string();
}

void TMainForm::SelectSkin() { ui::SelectSkin(SkinComboBox->ItemIndex()); }

void TMainForm::ApplySkin() {
    // The date and countdown frames lie innermost; the group frames hold them.
    const std::vector<RECT> level1{Bevel5->GetBounds().Rect(), Bevel6->GetBounds().Rect()};
    const std::vector<RECT> level2{Bevel1->GetBounds().Rect(),      Bevel3->GetBounds().Rect(),
                                   Bevel7->GetBounds().Rect(),      Bevel9->GetBounds().Rect(),
                                   Bevel10->GetBounds().Rect(),     Bevel13->GetBounds().Rect(),
                                   BevelProgram->GetBounds().Rect()};
    SkinForm(*this, *Image1, level1, level2,
             {NetTimeSpeedButton, AboutSpeedButton, PowerSpeedButton, CloseSpeedButton});
    look_.Painted();
    for (ui::TXiProgressBar* bar : {ProgressBarCPUCurrent, ProgressBarCPUByTime, ProgressBarNetByTime})
        bar->SetColorScheme(ui::BarSchemeFor());
}

// The background picture is as large as the window, which the new scale resized.
void TMainForm::FormDpiChanged() { ApplySkin(); }

void TMainForm::SkinComboBoxSelect() {
    // A tile that cannot be read stops here: the window keeps its picture.
    ui::SelectSkin(SkinComboBox->ItemIndex());
    RepaintInSkin();
}

void TMainForm::FollowHighContrast() {
    if (look_.Outdated()) RepaintInSkin();
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
