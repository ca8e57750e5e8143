#include "ui/CheckBoxPictures.h"

#include "rtl/Error.h"
#include "ui/BtChkBox.h"

namespace {

struct PictureSet {
    const char* checked;
    const char* unchecked;
    const char* grayed;
};

constexpr PictureSet kBoxPictures{"BOX_CHECKED", "BOX_UNCHECKED", "BOX_GRAYED"};
constexpr PictureSet kRadioPictures{"RADIO_CHECKED", "RADIO_UNCHECKED", "RADIO_GRAYED"};

tk::Bitmap LoadPicture(const char* name) {
    tk::Bitmap picture;
    if (!picture.LoadFromResource(name)) throw rtl::Error(std::string("Cannot load the picture ") + name);
    return picture;
}

void UsePictures(TBitCheckBox& box, const PictureSet& set) {
    const tk::Bitmap checked = LoadPicture(set.checked);
    const tk::Bitmap unchecked = LoadPicture(set.unchecked);
    const tk::Bitmap grayed = LoadPicture(set.grayed);
    box.SetCheckedGlyph(&checked);
    box.SetUncheckedGlyph(&unchecked);
    box.SetGrayedGlyph(&grayed);
}

} // namespace

void UseBoxPictures(TBitCheckBox& box) { UsePictures(box, kBoxPictures); }
void UseRadioPictures(TBitCheckBox& box) { UsePictures(box, kRadioPictures); }
