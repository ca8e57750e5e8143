#pragma once

// The five actions in the order of the action list, the settings file and
// the command line.
enum ActionIndex : int { paTurnOff, paReboot, paLogOff, paStandby, paHibernate };
constexpr int kActionCount = 5;
