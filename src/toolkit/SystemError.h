#pragma once
#include <windows.h>

#include <string>

// The system's message for an error code, without the trailing line break;
// "System error <code>." when the system has no text for it.
std::string SystemErrorMessage(DWORD error);
