#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/WinControl.h"

namespace tk {

struct ShortCut {
    WORD key = 0; // virtual-key code; 0 = none
    bool shift = false, ctrl = false, alt = false;

    bool Matches(WPARAM vk, ShiftState s) const {
        return key != 0 && vk == key && s.shift == shift && s.ctrl == ctrl && s.alt == alt;
    }
};

// A command with a caption and a shortcut; buttons linked to it execute it.
struct Action {
    std::string name;
    std::string caption;
    ShortCut shortcut;
    std::function<void()> onExecute;
    bool enabled = true;

    void Execute() const {
        if (enabled && onExecute) onExecute();
    }
};

} // namespace tk
