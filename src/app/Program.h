#pragma once

// Runs the program from start-up to the end of its message loop; returns the exit code.
int RunProgram(int showCommand);
