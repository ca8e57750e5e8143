#pragma once
// The notification-area icon as an owner: it is in the notification area
// from Show until Remove or the owner's end, whatever way that end comes, and
// it comes back by itself when the shell restarts.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

// The shell's one entry point for the icon (Shell_NotifyIconA); tests give their own.
using ShellNotify = std::function<BOOL(DWORD message, NOTIFYICONDATAA* data)>;

class TrayIcon {
public:
    TrayIcon();
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetShell(ShellNotify shell);

    // The record every call passes: the window that hears the icon's mouse
    // messages as `callbackMessage`, the icon and its tip (cut to fit).
    void Fill(HWND window, UINT callbackMessage, HICON icon, const std::string& tip);
    NOTIFYICONDATAA& Record() { return data_; }

    // Adds the icon and asks for the newer callbacks (a pop-up notice before
    // the tip shows, a context-menu message); older shells keep the first ones.
    void Show();
    void Remove();
    bool Shown() const { return shown_; }

    // The tip, handed to the shown icon only when it changed.
    void SetTip(const std::string& tip);
    std::string Tip() const { return data_.szTip; }
    static constexpr std::size_t kTipLength = sizeof(NOTIFYICONDATAA{}.szTip) - 1;

    // A balloon over the shown icon.
    void Balloon(const std::string& title, const std::string& text);

    // The shell broadcasts this message when it has restarted, its icons gone.
    UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
    void ShellRestarted();

    // What the shell reports in the callback's lParam, whichever callbacks it gives.
    enum class Event { None, Restore, TipWanted, Menu };
    Event EventOf(LPARAM lParam) const;

    struct MenuLine {
        UINT id; // 0: a separator
        std::string text;
        bool enabled;
        bool isDefault;
    };
    // Shows the menu at the pointer; the chosen line's id, 0 for none.
    UINT TrackMenu(const std::vector<MenuLine>& lines) const;

private:
    void Notify(DWORD message);

    ShellNotify shell_;
    NOTIFYICONDATAA data_{};
    bool shown_ = false;
    bool version4_ = false; // the shell took NOTIFYICON_VERSION_4
    UINT taskbarCreated_;
};
