#pragma once
#include <windows.h>

#include <string>

namespace tk {

// The system's text for an error code, without its line break; "System error
// <code>." when the system has none.
std::string SystemErrorMessage(DWORD error);

} // namespace tk
