// The main window in the notification area: hiding there and coming back,
// the icon's tip, menu and balloon.
#include "app/MainForm.h"
#include "app/Product.h"
#include "app/SnoozeUnit.h"
#include "core/DateTimeText.h"
#include "dialogs/confirm.h"
#include "toolkit/Application.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"

void TMainForm::HideToTray() {
    ShowWindow(Handle(), SW_HIDE);
    tray_.SetTip(TrayTip());
    tray_.Show();
    PlanTicks(Now());
}

void TMainForm::RestoreFromTray() {
    tk::Application::Instance().Restore();
    SetForegroundWindow(Handle());
    tray_.Remove();
    BringUpToDate();
}

void TMainForm::WMTrayIcon(LPARAM mouseMessage) {
    switch (tray_.EventOf(mouseMessage)) {
    case TrayIcon::Event::Restore: RestoreFromTray(); break;
    // Brought up to date only when the shell is about to show it: a hidden
    // window wakes for nothing else.
    case TrayIcon::Event::TipWanted: tray_.SetTip(TrayTip()); break;
    case TrayIcon::Event::Menu: ShowTrayMenu(); break;
    case TrayIcon::Event::None: break;
    }
}

std::string TMainForm::ActionName() const {
    const int action = ActionComboBox->ItemIndex();
    return tk::LoadText(lang::TrayAction + static_cast<unsigned>(action < 0 ? 0 : action));
}

std::string TMainForm::TrayTip() {
    return TrayTipText(kProductTitle, ActionName(), triggers_.Describe(Now()), TrayIcon::kTipLength);
}

void TMainForm::ShowTrayMenu() {
    std::vector<TrayIcon::MenuLine> lines;
    for (const TrayMenuItem& item : TrayMenuItems(ActionComboBox->ItemIndex(), ConfirmOpen()))
        lines.push_back({static_cast<UINT>(item.command), item.text ? tk::LoadText(item.text) : std::string(),
                         item.enabled, item.isDefault});
    RunTrayCommand(static_cast<TrayCommand>(tray_.TrackMenu(lines)));
}

void TMainForm::RunTrayCommand(TrayCommand command) {
    // The confirmation may have opened while the menu was up.
    if (ConfirmOpen() && command != TrayCommand::Restore) return;
    switch (command) {
    case TrayCommand::Restore: RestoreFromTray(); break;
    case TrayCommand::DisarmAll:
        triggers_.DisarmAll();
        SystemTimePingTimerTimer();
        break;
    case TrayCommand::ActionNow: PostToSelf(WM_POWER_ACTION); break;
    case TrayCommand::Exit:
        if (triggers_.AnyArmed() && !services_.askYesNo(tk::LoadText(lang::TrayExitArmed))) break;
        Close();
        break;
    case TrayCommand::None: break;
    }
}

void TMainForm::AnnounceEnd(core::TDateTime end) {
    tray_.Balloon(kProductTitle,
                  ActionName() + tk::LoadText(lang::TrayBalloonAt) + core::TimeText(end, formats_));
}

void TMainForm::StartSnooze() {
    snoozeUnit_->Start(Now(), SteadyNow(), snoozeMinutes_);
    SystemTimePingTimerTimer();
}

bool TMainForm::Snoozing() const { return snoozeUnit_->Armed(); }
