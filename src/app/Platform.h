#pragma once
#include "toolkit/WindowsVersion.h"

using tk::IsNTPlatformFamily;

// " [NT]" or " [9x]", appended to the main window's caption.
const char* PlatformCaptionSuffix(bool isNT);
