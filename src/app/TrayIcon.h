#pragma once
// The notification-area icon as an owner: it is in the notification area
// from Show until Remove or the owner's end, whatever way that end comes, and
// it comes back by itself when the shell restarts.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

class TrayIcon {
public:
    TrayIcon();
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The record every call passes: the window that hears the icon's mouse
    // messages as `callbackMessage`, the icon and its tip (cut to fit).
    void Fill(HWND window, UINT callbackMessage, HICON icon, const std::string& tip);
    NOTIFYICONDATAA& Record() { return data_; }

    void Show();
    void Remove();
    bool Shown() const { return shown_; }

    // The shown icon takes a new tip at once.
    void SetTip(const std::string& tip);
    std::string Tip() const { return data_.szTip; }

    // The shell broadcasts this message when it has restarted, its icons gone.
    UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
    void ShellRestarted();

    // A right click on the icon; nothing happens while no menu is given.
    std::function<void()> OnMenu;
    void MouseMessage(LPARAM message);

private:
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
    UINT taskbarCreated_;
};
