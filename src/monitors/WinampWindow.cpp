#include "monitors/WinampWindow.h"

namespace monitors {

std::optional<WinampLink::Window> WinampWindowLink::Find() {
    const HWND window = FindWindowA(kWinampWindowClass, nullptr);
    if (window == nullptr) return std::nullopt;
    return reinterpret_cast<Window>(window);
}

std::optional<std::int32_t> WinampWindowLink::Ask(Window window, WinampQuery query) {
    const WinampMessage message = MessageOf(query);
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(reinterpret_cast<HWND>(window), WM_USER, message.wParam, message.lParam,
                            SMTO_ABORTIFHUNG, timeoutMs_, &result) == 0)
        return std::nullopt;
    // The player answers a 32-bit signed value, whatever the width of the result.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(result));
}

} // namespace monitors
