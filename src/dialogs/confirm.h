#pragma once
#include <windows.h>

#include <cstdint>

#include "dialogs/Countdown.h"
#include "dialogs/DialogForm.h"
#include "toolkit/AsyncTimer.h"
#include "toolkit/Form.h"
#include "toolkit/FormDescription.h"
#include "toolkit/GraphicControls.h"
#include "ui/XiButton.h"

// "Later": the dialog closes without the action, which comes again after a while.
inline constexpr int mrLater = 3;

// True while a confirmation dialog exists; the power action drops requests
// that arrive meanwhile.
bool ConfirmOpen();

// The 30-second countdown before a power action. Ends with OK when the
// countdown runs out or on Ok, with Cancel on Cancel, Esc or the close box,
// with mrLater on Later.
class TConfirmForm : public SkinnedDialog {
public:
    // actionIndex: the main window's action, whose sentence the dialog shows.
    // tickInterval exists for tests that want the countdown in less than 30 s.
    explicit TConfirmForm(int actionIndex, std::uint16_t tickInterval = countdown::kTickIntervalMs);

    // The window and its components, in confirm.cpp.
    static const tk::FormDescription& Description();

    tk::Image* Image1 = nullptr;
    tk::Bevel* Bevel1 = nullptr;
    tk::Bevel* Bevel2 = nullptr;
    tk::Label* ActionLabel = nullptr;
    tk::Label* Seconds = nullptr;
    tk::Label* CountDownLabel = nullptr;
    tk::Shape* ConfirmShape = nullptr;
    tk::Label* ConfirmLabel = nullptr;
    ui::TXiButton* OkBtn = nullptr;
    ui::TXiButton* LaterBtn = nullptr;
    ui::TXiButton* CancelButton = nullptr;
    tk::TAsyncTimer AsyncTimer1; // goes before the base class destroys the controls it ticks

    int TicksLeft = countdown::kStartTicks;

    void Timer1Timer();
    // Back into the topmost band, without moving, sizing or activating.
    void KeepOnTop();

protected:
    void FormShow() override;
    void ApplySkin() override;
    void FormActivate() override;
    void FormDeactivate() override;

private:
    // Counts the dialog as open for exactly its own lifetime, also when a
    // later part of construction fails.
    class OpenMark {
    public:
        OpenMark();
        ~OpenMark();
        OpenMark(const OpenMark&) = delete;
        OpenMark& operator=(const OpenMark&) = delete;
    };

    void FormCreate(int actionIndex, std::uint16_t tickInterval);
    void ShowBanner(const countdown::BannerColors& colors);

    OpenMark openMark_;
};
