#pragma once
// What screen readers and other assistive technology see of our windows:
// every form answers WM_GETOBJECT with an object that lists its exposed
// controls in reading order, windowless ones as simple children, windowed
// ones as objects of their own; and changes worth hearing are announced.
#include <windows.h>

#include <vector>

namespace tk {

class Control;
class Form;
class WinControl;

// A control's window posts this to itself to run its default action from the
// message loop rather than inside a client's call.
inline constexpr UINT kDoDefaultActionMessage = WM_APP + 1;

// The answer to WM_GETOBJECT, or 0 when the request is not ours to answer.
LRESULT AnswerGetObject(WinControl& control, WPARAM flags, LPARAM objectId);
// Cuts a dying control off from its object, which clients may still hold.
void ForgetAccessible(WinControl& control);

// The form's exposed controls in reading order; child id = index + 1.
std::vector<const Control*> AccessibleChildren(const Form& form);

// Raises a WinEvent for the control (EVENT_OBJECT_STATECHANGE, ...).
void NotifyAccessible(const Control& control, DWORD event);
// Asks for the control's new text to be read out though it has no focus.
void Announce(const Control& control);

} // namespace tk
