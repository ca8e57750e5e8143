#pragma once
#include <string>

// A text of the program's string table; empty when the id has none.
std::string LoadText(unsigned id);
