#include "toolkit/Color.h"

#include <windows.h>

namespace tk {

TColor ColorToRGB(TColor c) {
    if (IsSystemColor(c)) return GetSysColor(static_cast<int>(c & 0xFF));
    return c & 0x00FFFFFF;
}

} // namespace tk
