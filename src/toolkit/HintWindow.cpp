#include "toolkit/HintWindow.h"

#include <commctrl.h>

namespace tk {

HintWindow::HintWindow(HWND owner)
    : owner_(owner),
      tooltip_(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               GetModuleHandleA(nullptr), nullptr)) {}

HintWindow::~HintWindow() = default;

void HintWindow::SetHint(HWND tool, const std::string& text) {
    if (!tooltip_ || !tool) return;
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = owner_;
    ti.uId = reinterpret_cast<UINT_PTR>(tool);
    ti.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tooltip_.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    // A hint of blanks only would pop up as an empty box.
    if (text.find_first_not_of(' ') != std::string::npos)
        SendMessageA(tooltip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

} // namespace tk
