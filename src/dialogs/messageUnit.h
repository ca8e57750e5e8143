#pragma once
#include <windows.h>

#include <string>

#include "dialogs/DialogForm.h"
#include "toolkit/Form.h"
#include "toolkit/FormDescription.h"
#include "toolkit/GraphicControls.h"
#include "ui/XiButton.h"

// One line of text in a framed panel above a centred Ok button; the dialog
// takes the width of its text when shown, and the height of a text of
// several lines.
class TMyMessageDlg : public SkinnedDialog {
public:
    TMyMessageDlg();

    // The window and its components, in messageUnit.cpp.
    static const tk::FormDescription& Description();

    tk::Image* Image1 = nullptr;
    tk::Bevel* Bevel1 = nullptr;
    tk::Label* MessageLabel = nullptr;
    ui::TXiButton* OkBtn = nullptr;

protected:
    void FormShow() override;
    void FormDpiChanged() override;
    void ApplySkin() override;

private:
    // Fits the window to the text and places the rest; returns the client size.
    SIZE LayOut();
};

// Shows the text in a modal message dialog and returns when it is closed.
void ShowMessageDlg(const std::string& text);
