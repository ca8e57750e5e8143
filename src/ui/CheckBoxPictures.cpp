#include "ui/CheckBoxPictures.h"

#include "core/Error.h"
#include "ui/BtChkBox.h"

namespace ui {

namespace {

struct PictureSet {
    const char* checked;
    const char* unchecked;
    const char* grayed;
};

constexpr PictureSet kBoxPictures{"BOX_CHECKED", "BOX_UNCHECKED", "BOX_GRAYED"};
constexpr PictureSet kRadioPictures{"RADIO_CHECKED", "RADIO_UNCHECKED", "RADIO_GRAYED"};

void UsePictures(TBitCheckBox& box, const PictureSet& set) {
    for (const char* name : {set.checked, set.unchecked, set.grayed}) {
        tk::Bitmap probe;
        if (!probe.LoadFromResource(name)) throw core::Error(std::string("Cannot load the picture ") + name);
    }
    box.SetGlyphResources(set.checked, set.unchecked, set.grayed);
}

} // namespace

void UseBoxPictures(TBitCheckBox& box) { UsePictures(box, kBoxPictures); }
void UseRadioPictures(TBitCheckBox& box) { UsePictures(box, kRadioPictures); }

} // namespace ui
