#pragma once

namespace ui {

class TBitCheckBox;

// The main window's 12 x 12 pictures for its bitmap check boxes: square
// boxes for the triggers, round ones for the pair of mode buttons.
void UseBoxPictures(TBitCheckBox& box);
void UseRadioPictures(TBitCheckBox& box);

} // namespace ui
