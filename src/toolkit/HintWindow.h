#pragma once
#include <windows.h>

#include <string>

#include "toolkit/Handles.h"

namespace tk {

class WinControl;

// The standard hint: a tooltip that shows a control's hint after the usual
// delay. One per form.
class HintWindow {
public:
    explicit HintWindow(HWND owner);
    virtual ~HintWindow();
    HintWindow(const HintWindow&) = delete;
    HintWindow& operator=(const HintWindow&) = delete;

    void SetHint(HWND tool, const std::string& text);
    HWND Handle() const { return tooltip_.Get(); }

private:
    HWND owner_;
    WindowHandle tooltip_;
};

} // namespace tk
