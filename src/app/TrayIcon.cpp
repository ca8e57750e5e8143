#include "app/TrayIcon.h"

#include <cstddef>

#include "toolkit/Handles.h"

namespace {
constexpr UINT kTrayIconId = 1;
// The first record layout, which every shell reads, holds this much of the tip.
constexpr int kFirstLayoutTipBytes = 64;
// That layout ends with the tip: 88 bytes in all in the 32-bit release.
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + kFirstLayoutTipBytes);
#ifndef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the size 32-bit shells check");
#endif
} // namespace

TrayIcon::TrayIcon() : shell_(Shell_NotifyIconA), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {}

void TrayIcon::SetShell(ShellNotify shell) {
    if (shell) shell_ = std::move(shell);
}

void TrayIcon::Fill(HWND window, UINT callbackMessage, HICON icon, const std::string& tip) {
    // The whole record of Windows 7, which holds a tip of several lines and balloons.
    data_.cbSize = sizeof(NOTIFYICONDATAA);
    data_.hWnd = window;
    data_.uID = kTrayIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    lstrcpynA(data_.szTip, tip.c_str(), sizeof(data_.szTip));
}

void TrayIcon::Notify(DWORD message) { shell_(message, &data_); }

void TrayIcon::Show() {
    Notify(NIM_ADD);
    shown_ = true;
    data_.uVersion = NOTIFYICON_VERSION_4;
    version4_ = shell_(NIM_SETVERSION, &data_) != FALSE;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    Notify(NIM_DELETE);
    shown_ = false;
}

void TrayIcon::SetTip(const std::string& tip) {
    if (tip.compare(0, kTipLength, data_.szTip) == 0) return;
    lstrcpynA(data_.szTip, tip.c_str(), sizeof(data_.szTip));
    if (shown_) Notify(NIM_MODIFY);
}

void TrayIcon::Balloon(const std::string& title, const std::string& text) {
    if (!shown_) return;
    NOTIFYICONDATAA balloon = data_;
    balloon.uFlags = NIF_INFO;
    lstrcpynA(balloon.szInfoTitle, title.c_str(), sizeof(balloon.szInfoTitle));
    lstrcpynA(balloon.szInfo, text.c_str(), sizeof(balloon.szInfo));
    balloon.dwInfoFlags = NIIF_INFO;
    shell_(NIM_MODIFY, &balloon);
}

void TrayIcon::ShellRestarted() {
    if (!shown_) return;
    Notify(NIM_ADD);
    if (version4_) Notify(NIM_SETVERSION);
}

TrayIcon::Event TrayIcon::EventOf(LPARAM lParam) const {
    // The newer callbacks carry the icon's id in the high word.
    const UINT message = version4_ ? LOWORD(lParam) : static_cast<UINT>(lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return Event::Restore;
    // The pointer is over the icon: the shell is about to show the tip.
    case WM_MOUSEMOVE:
    case NIN_POPUPOPEN: return Event::TipWanted;
    case WM_CONTEXTMENU: return version4_ ? Event::Menu : Event::None;
    case WM_RBUTTONUP: return version4_ ? Event::None : Event::Menu;
    default: return Event::None;
    }
}

UINT TrayIcon::TrackMenu(const std::vector<MenuLine>& lines) const {
    const tk::MenuHandle menu(CreatePopupMenu());
    if (!menu) return 0;
    for (const MenuLine& line : lines) {
        if (line.id == 0) {
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuA(menu.Get(), MF_STRING | (line.enabled ? MF_ENABLED : MF_GRAYED), line.id,
                    line.text.c_str());
        if (line.isDefault) SetMenuDefaultItem(menu.Get(), line.id, FALSE);
    }
    POINT at;
    GetCursorPos(&at);
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(data_.hWnd);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, data_.hWnd, nullptr));
    PostMessageA(data_.hWnd, WM_NULL, 0, 0);
    return chosen;
}
