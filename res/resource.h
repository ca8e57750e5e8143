#pragma once
// Names of the program's resources, shared by the resource script and the code.
#define IDI_MAINICON 1
#define KN_VERSION_TEXT "1.0.0.0"
#define KN_VERSION_NUMBERS 1,0,0,0
