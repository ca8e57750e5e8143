#include "app/Platform.h"

const char* PlatformCaptionSuffix(bool isNT) { return isNT ? " [NT]" : " [9x]"; }
