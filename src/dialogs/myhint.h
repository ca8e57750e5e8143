#pragma once
#include "toolkit/HintWindow.h"

// The program's hint window: the standard hint, unchanged.
class TMyHint : public tk::HintWindow {
public:
    using tk::HintWindow::HintWindow;
};

// Makes TMyHint the window class of every hint.
void InstallHintWindowClass();
