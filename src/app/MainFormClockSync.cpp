// Sync (F2): the time server from the list beside the program, the
// synchronisation and its stop when the program ends.
#include "app/MainForm.h"
#include "clocksync/ClockSync.h"
#include "clocksync/ServerListFile.h"
#include "toolkit/Texts.h"
#include "ui/XiButton.h"
#include "ui/lang.h"

using tk::LoadText;

void TMainForm::ClockSyncView::EnableSyncButton(bool enabled) {
    form_.NetTimeSpeedButton->SetEnabled(enabled);
}
void TMainForm::ClockSyncView::ShowAttempt(const std::string& text) { form_.AttemptLabel->SetCaption(text); }
void TMainForm::ClockSyncView::PostReport(const std::string& report) {
    form_.PendingMessage = report;
    form_.PostToSelf(WM_SHOW_PENDING_MESSAGE);
}
void TMainForm::ClockSyncView::RunTick() { form_.SystemTimePingTimerTimer(); }
core::TDateTime TMainForm::ClockSyncView::Now() { return form_.Now(); }

void TMainForm::CreateClockSync() {
    clockSync_ = std::make_unique<clocksync::TClockSync>(clockSyncView_, services_.setLocalClock);
}

clocksync::TIdTime& TMainForm::IdTimeSync() { return clockSync_->IdTimeSync(); }
bool TMainForm::ClockSyncRunning() const { return clockSync_->Running(); }

void TMainForm::ChooseTimeServer() { TimeServerHost = clocksync::ChooseTimeServer(services_.serverListFile); }

clocksync::SyncWording TMainForm::ClockSyncWording() const {
    clocksync::SyncWording w;
    w.attempt = LoadText(lang::SyncAttempt);
    w.ofTen = LoadText(lang::SyncOfTen);
    w.clockWas = LoadText(lang::SyncClockWas);
    w.secondsFast = LoadText(lang::SyncSecondsFast);
    w.clockRight = LoadText(lang::SyncClockRight);
    w.secondsSlow = LoadText(lang::SyncSecondsSlow);
    w.clockMatch = LoadText(lang::SyncClockMatch);
    w.failed = LoadText(lang::SyncFailed);
    w.clockNotSet = LoadText(lang::SyncClockNotSet);
    w.timeServer = LoadText(lang::SyncTimeServer);
    w.refused = LoadText(lang::SyncRefused);
    w.timedOut = LoadText(lang::SyncTimedOut);
    w.nameNotFound = LoadText(lang::SyncNameNotFound);
    w.closedWithoutData = LoadText(lang::SyncClosedWithoutData);
    w.unreachable = LoadText(lang::SyncUnreachable);
    w.decimalSeparator = formats_.DecimalSeparator;
    return w;
}

void TMainForm::WMClockSync() {
    // F2 still works while the button is disabled: a request while one
    // synchronisation runs is ignored.
    clockSync_->Start(TimeServerHost, ClockSyncWording());
}

void TMainForm::StopClockSync() { clockSync_->Stop(); }
