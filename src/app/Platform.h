#pragma once

// True on the NT family, false on the 95/98/Me family.
bool IsNTPlatformFamily();

// " [NT]" or " [9x]", appended to the main window's caption.
const char* PlatformCaptionSuffix(bool isNT);
