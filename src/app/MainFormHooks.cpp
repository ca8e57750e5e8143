// Handlers of commands whose features are not built yet: they do nothing.
#include "app/MainForm.h"

void TMainForm::WMShowAbout() {}
void TMainForm::SelectSkin() {}
