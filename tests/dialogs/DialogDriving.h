#pragma once
// Input for modal dialogs, posted before ShowModal so that the dialog's own
// nested loop delivers it.
#include <windows.h>

#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

namespace dialog_driving {

inline LPARAM Inside(const tk::WinControl& control) {
    return MAKELPARAM(static_cast<WORD>(control.Width() / 2), static_cast<WORD>(control.Height() / 2));
}

inline void PostClick(const tk::WinControl& button) {
    PostMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Inside(button));
    PostMessageA(button.Handle(), WM_LBUTTONUP, 0, Inside(button));
}

inline void PostEscape(const tk::Form& form) {
    PostMessageA(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
}

// What the close box sends.
inline void PostCloseBox(const tk::Form& form) {
    PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace dialog_driving
