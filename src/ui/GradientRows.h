#pragma once
#include <vector>

#include "toolkit/Color.h"

namespace ui {

// Row colours of a vertical two-colour gradient over `height` pixels: rows 0
// to height (the last one lies just below the area), row 0 exactly `from`.
// Each channel moves by (to - from) / height per row, summed row by row, and
// is rounded half to even. Both colours must be plain RGB values. A height of
// zero or less gives the single row `from`.
std::vector<tk::TColor> GradientRows(tk::TColor from, tk::TColor to, int height);

} // namespace ui
