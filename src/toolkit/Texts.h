#pragma once
#include <string>

namespace tk {

// A text of the executable's string table; empty when the id has none.
std::string LoadText(unsigned id);

} // namespace tk
