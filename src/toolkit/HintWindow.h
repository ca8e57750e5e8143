#pragma once
#include <windows.h>

#include <string>

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
    HWND Handle() const { return tooltip_; }

private:
    HWND owner_;
    HWND tooltip_ = nullptr;
};

} // namespace tk
