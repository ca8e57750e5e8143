#pragma once

#include "core/FormatSettings.h"

namespace tk {

// The user's regional formats; a field the system will not give keeps its default.
core::TFormatSettings ReadRegionalSettings();

} // namespace tk
