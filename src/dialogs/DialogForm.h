#pragma once
// What every dialog of the program shares: a dialog border, no minimise box,
// the program's 8-point font, and a skinned background behind an inner panel.
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "ui/XiButton.h"

// The dialog's own name, size, place and band; the shared set-up is added.
tk::FormArgs DialogArgs(tk::FormArgs args);

// Paints the background picture for the dialog's current size (inside the
// level-1 rectangles the first blend level, inside the level-2 ones the
// second, elsewhere the third) and gives the buttons the skin's scheme.
void SkinDialog(const tk::Form& dialog, tk::Image& background, const std::vector<RECT>& level1,
                const std::vector<RECT>& level2, std::initializer_list<ui::TXiButton*> buttons);
