#pragma once
#include "app/lang.h"

// The five actions in the order of the action list, the settings and the
// command line.
enum ActionIndex : int { ActionTurnOff, ActionReboot, ActionLogOff, ActionStandby, ActionHibernate };
constexpr int kActionCount = 5;

// String table ids of the captions that name the chosen action.
struct ActionCaptionRow {
    unsigned checkBoxTimer;
    unsigned radioButtonDate;
    unsigned timeActionLabel;
    unsigned checkBoxWinAmp;
    unsigned checkBoxCPU;
};

// action must be 0 .. kActionCount - 1.
const ActionCaptionRow& ActionCaptionsFor(int action);
