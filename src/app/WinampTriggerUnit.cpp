#include "app/WinampTriggerUnit.h"

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

bool WinampTriggerUnit::Armed() const { return form_.CheckBoxWinAmp->Checked(); }

std::string WinampTriggerUnit::Describe(core::TDateTime /*now*/) const {
    return tk::LoadText(lang::TriggerWinampLine);
}

void WinampTriggerUnit::BoxClicked() {
    if (Armed()) {
        const monitors::WinampArming arming = monitors::ArmWinamp(*link_);
        if (arming != monitors::WinampArming::Armed) {
            form_.CheckBoxWinAmp->SetChecked(false);
            form_.ShowMessageDlg(tk::LoadText(RefusalText(arming)));
        }
    }
    tk::TAsyncTimer& timer = form_.WinAmpPingTimer;
    timer.SetEnabled(Armed());
    // The labels fill at once rather than half a second later.
    if (timer.Enabled())
        Poll();
    else
        ResetLabels();
}

void WinampTriggerUnit::Poll() {
    const monitors::WinampPollResult poll = monitors::PollWinamp(*link_);
    switch (poll.state) {
    case monitors::WinampState::NoAnswer: return; // a hung player decides nothing; the next poll asks again
    case monitors::WinampState::Gone:
        Disarm();
        form_.ShowMessageDlg(tk::LoadText(lang::WinampDisappeared));
        return;
    case monitors::WinampState::Stopped:
        Disarm();
        form_.PostPowerAction();
        return;
    case monitors::WinampState::Playing: break;
    }
    const monitors::WinampTexts texts{tk::LoadText(lang::WinampOf), tk::LoadText(lang::WinampSecOf),
                                      tk::LoadText(lang::WinampSec)};
    form_.SongsList->SetCaption(monitors::PlaylistText(poll.position, texts));
    form_.CurrTrack->SetCaption(monitors::TrackText(poll.position, texts));
}

void WinampTriggerUnit::Disarm() {
    ResetLabels();
    form_.WinAmpPingTimer.SetEnabled(false);
    form_.CheckBoxWinAmp->SetChecked(false);
}

void WinampTriggerUnit::ResetLabels() {
    form_.CurrTrack->SetCaption(monitors::kWinampIdleText);
    form_.SongsList->SetCaption(monitors::kWinampIdleText);
}
