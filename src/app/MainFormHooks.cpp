// Handlers of commands whose features are not built yet: they do nothing.
#include "app/MainForm.h"

void TMainForm::WMClockSync() {}
void TMainForm::ChooseTimeServer() {}
void TMainForm::ResetWinampLabels() {}
void TMainForm::ApplyCommandLine() {}
void TMainForm::StopClockSync() {}
