// Handlers of commands whose features are not built yet: they do nothing.
#include "app/MainForm.h"

void TMainForm::ResetWinampLabels() {}
void TMainForm::ApplyCommandLine() {}
