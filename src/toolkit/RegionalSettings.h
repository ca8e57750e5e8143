#pragma once

#include "rtl/FormatSettings.h"

namespace tk {

// The user's regional formats; a field the system will not give keeps its default.
rtl::TFormatSettings ReadRegionalSettings();

} // namespace tk
