// Carrying out the chosen action, and showing the program's pending message.
#include "app/MainForm.h"
#include "app/PowerActions.h"
#include "dialogs/confirm.h"
#include "dialogs/messageUnit.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"

#include <exception>

void TMainForm::WMPowerAction() {
    // One confirmation at a time: a request during the countdown is dropped.
    if (ConfirmOpen()) return;
    int result = tk::mrCancel;
    {
        TConfirmForm confirm(ActionComboBox->ItemIndex());
        result = confirm.ShowModal();
    }
    if (result == mrLater) StartSnooze();
    if (result != tk::mrOk) return;

    // The user scheduled this action and may be away: a settings file that
    // cannot be written must not cancel it, nor hold it behind an error box.
    std::exception_ptr saveFailure;
    try {
        SaveSettings();
    } catch (...) {
        saveFailure = std::current_exception();
    }
    StopClockSync();
    const PowerActionOutcome outcome =
        CarryOutPowerAction(ActionComboBox->ItemIndex(), IsNTPlatform, *services_.power);
    if (saveFailure) tk::HandleException(saveFailure);
    if (!outcome.succeeded) {
        // Refused: the user comes back to a running program that says why.
        tk::ShowErrorBox(outcome.message);
        return;
    }
    PostMessageA(Handle(), WM_QUIT, 0, 0);
}

void TMainForm::WMShowPendingMessage() {
    // Let the window catch up before the dialog covers it.
    tk::Application::Instance().ProcessMessages();
    ShowMessageDlg(PendingMessage);
    AttemptLabel->SetCaption("");
}
