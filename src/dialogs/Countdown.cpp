#include "dialogs/Countdown.h"

namespace countdown {

namespace {
constexpr int kAnnounceEvery = 10;
constexpr int kAnnounceLast = 5;
} // namespace

BannerColors InSystemColors(const BannerColors& colors) {
    const bool inverted = colors.pen == kInvertedColors.pen;
    return inverted ? BannerColors{tk::clHighlight, tk::clHighlightText, tk::clHighlight}
                    : BannerColors{tk::clHighlightText, tk::clHighlight, tk::clHighlightText};
}

TickView Tick(int ticksLeft) {
    const bool flash = ticksLeft % kTicksPerNumber == 0;
    const int after = ticksLeft - 1;
    const int number = ticksLeft / kTicksPerNumber;
    const bool newNumber = (ticksLeft + 1) % kTicksPerNumber == 0;
    const bool announce =
        newNumber && number > 0 && (number % kAnnounceEvery == 0 || number <= kAnnounceLast);
    return TickView{flash ? kInvertedColors : kDesignColors, number, after, after < 1, announce};
}

} // namespace countdown
