#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "dialogs/DialogForm.h"
#include "toolkit/Form.h"
#include "toolkit/FormDescription.h"
#include "toolkit/GraphicControls.h"
#include "ui/XiButton.h"

// What the About box asks of the system, replaceable so that tests see the
// links it opens without starting a browser or a mail program.
struct AboutSystem {
    std::function<void(const std::string& url)> openUrl;
    // The logged-on user's name; nothing when the system cannot tell.
    std::function<std::optional<std::string>()> userName;
};

// The shell and the logged-on user.
AboutSystem WindowsAboutSystem();

// The program's icon, name, version, author, thanks and two links over the
// active skin. Ok, Esc and the close box end it.
class TAboutBox : public SkinnedDialog {
public:
    explicit TAboutBox(AboutSystem system = WindowsAboutSystem());

    // The window and its components, in aboutUnit.cpp.
    static const tk::FormDescription& Description();

    tk::Image* Image1 = nullptr;
    tk::Bevel* Bevel1 = nullptr;
    tk::Image* ProgramIcon = nullptr;
    tk::Label* ProductName = nullptr;
    tk::Label* Version = nullptr;
    tk::Label* Copyright = nullptr;
    tk::Label* Comments = nullptr;
    tk::Label* Author = nullptr;
    tk::Label* Comments2 = nullptr;
    tk::Label* Comments3 = nullptr;
    tk::Bevel* Bevel = nullptr;
    tk::Bevel* Bevel2 = nullptr;
    tk::Label* WEBLink = nullptr;
    tk::Label* EMailLink = nullptr;
    ui::TXiButton* OkBtn = nullptr;

    void WEBLinkClick();
    void EMailLinkClick();

protected:
    // The icon too is drawn for the scale.
    void ApplySkin() override;

private:
    void FormCreate();

    AboutSystem system_;
};
