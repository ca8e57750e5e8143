#pragma once
// The product's own name, as the taskbar, the error boxes and the
// notification area show it.
inline constexpr char kProductTitle[] = "Kal Vex Now!";
