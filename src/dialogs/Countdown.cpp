#include "dialogs/Countdown.h"

namespace countdown {

TickView Tick(int ticksLeft) {
    const bool flash = ticksLeft % kTicksPerNumber == 0;
    const int after = ticksLeft - 1;
    return TickView{flash ? kInvertedColors : kDesignColors, ticksLeft / kTicksPerNumber, after, after < 1};
}

} // namespace countdown
