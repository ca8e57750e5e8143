#pragma once
#include "app/ActionIndex.h"

// String table ids of the captions that name the chosen action.
struct ActionCaptionRow {
    unsigned checkBoxTimer;
    unsigned radioButtonDate;
    unsigned timeActionLabel;
    unsigned checkBoxWinAmp;
    unsigned checkBoxCPU;
    unsigned checkBoxNet;
    unsigned checkBoxProgram;
};

// action must be 0 .. kActionCount - 1.
const ActionCaptionRow& ActionCaptionsFor(int action);
