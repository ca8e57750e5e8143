// The media-player trigger: arming, the poll and its two labels.
#include "app/MainForm.h"
#include "monitors/WinampPoll.h"
#include "toolkit/Texts.h"
#include "ui/BtChkBox.h"
#include "ui/lang.h"

namespace {

unsigned RefusalText(monitors::WinampArming arming) {
    switch (arming) {
    case monitors::WinampArming::NotStarted: return lang::WinampNotStarted;
    case monitors::WinampArming::TooOld: return lang::WinampTooOld;
    case monitors::WinampArming::NotPlaying: return lang::WinampNotPlaying;
    case monitors::WinampArming::NoAnswer:
    case monitors::WinampArming::Armed: break;
    }
    return lang::WinampNoAnswer;
}

} // namespace

void TMainForm::CheckBoxWinAmpClick() {
    if (CheckBoxWinAmp->Checked()) {
        const monitors::WinampArming arming = monitors::ArmWinamp(*services_.winamp);
        if (arming != monitors::WinampArming::Armed) {
            CheckBoxWinAmp->SetChecked(false);
            ShowMessageDlg(tk::LoadText(RefusalText(arming)));
        }
    }
    WinAmpPingTimer.SetEnabled(CheckBoxWinAmp->Checked());
    // The labels fill at once rather than half a second later.
    if (WinAmpPingTimer.Enabled())
        WinAmpPingTimerTimer();
    else
        ResetWinampLabels();
}

void TMainForm::WinAmpPingTimerTimer() {
    const monitors::WinampPollResult poll = monitors::PollWinamp(*services_.winamp);
    switch (poll.state) {
    case monitors::WinampState::NoAnswer: return; // a hung player decides nothing; the next poll asks again
    case monitors::WinampState::Gone:
        DisarmWinamp();
        ShowMessageDlg(tk::LoadText(lang::WinampDisappeared));
        return;
    case monitors::WinampState::Stopped:
        DisarmWinamp();
        PostToSelf(WM_POWER_ACTION);
        return;
    case monitors::WinampState::Playing: break;
    }
    const monitors::WinampTexts texts{tk::LoadText(lang::WinampOf), tk::LoadText(lang::WinampSecOf),
                                      tk::LoadText(lang::WinampSec)};
    SongsList->SetCaption(monitors::PlaylistText(poll.position, texts));
    CurrTrack->SetCaption(monitors::TrackText(poll.position, texts));
}

// Before any message or request: no second poll runs while a dialog is open.
void TMainForm::DisarmWinamp() {
    ResetWinampLabels();
    WinAmpPingTimer.SetEnabled(false);
    CheckBoxWinAmp->SetChecked(false);
}

void TMainForm::ResetWinampLabels() {
    CurrTrack->SetCaption(monitors::kWinampIdleText);
    SongsList->SetCaption(monitors::kWinampIdleText);
}
