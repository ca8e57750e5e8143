#include "toolkit/Color.h"

#include <windows.h>

namespace tk {

TColor SystemColorNow(int index) { return GetSysColor(index); }

TColor ColorToRGB(TColor c) {
    if (IsSystemColor(c)) return SystemColorNow(static_cast<int>(c & 0xFF));
    return c & 0x00FFFFFF;
}

} // namespace tk
