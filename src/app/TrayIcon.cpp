#include "app/TrayIcon.h"

#include <cstddef>

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

TrayIcon::TrayIcon() : taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {}

void TrayIcon::Fill(HWND window, UINT callbackMessage, HICON icon, const std::string& tip) {
    // The first layout every shell knows.
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data_.hWnd = window;
    data_.uID = kTrayIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    SetTip(tip);
}

void TrayIcon::Show() {
    Shell_NotifyIconA(NIM_ADD, &data_);
    shown_ = true;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    Shell_NotifyIconA(NIM_DELETE, &data_);
    shown_ = false;
}

void TrayIcon::SetTip(const std::string& tip) {
    lstrcpynA(data_.szTip, tip.c_str(), kFirstLayoutTipBytes);
    if (shown_) Shell_NotifyIconA(NIM_MODIFY, &data_);
}

void TrayIcon::ShellRestarted() {
    if (shown_) Shell_NotifyIconA(NIM_ADD, &data_);
}

void TrayIcon::MouseMessage(LPARAM message) {
    if ((message == WM_RBUTTONUP || message == WM_CONTEXTMENU) && OnMenu) OnMenu();
}
