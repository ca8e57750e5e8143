#pragma once
// Acting on the confirmation dialog while it is on screen.
#include <windows.h>

#include <functional>

#include "dialogs/confirm.h"
#include "toolkit/WinControl.h"
#include "ui/XiButton.h"

// Acts on the confirmation dialog once it is on screen, from inside its own
// modal loop (a thread timer is dispatched by every loop of the thread).
class ConfirmDriver {
public:
    explicit ConfirmDriver(std::function<void(TConfirmForm&)> act) {
        Act() = std::move(act);
        timer_ = SetTimer(nullptr, 0, kPollMs, &ConfirmDriver::Poll);
    }
    ~ConfirmDriver() {
        KillTimer(nullptr, timer_);
        Act() = {};
    }
    ConfirmDriver(const ConfirmDriver&) = delete;
    ConfirmDriver& operator=(const ConfirmDriver&) = delete;
    static int& Dialogs() {
        static int count = 0;
        return count;
    }

private:
    static constexpr UINT kPollMs = 20;
    static std::function<void(TConfirmForm&)>& Act() {
        static std::function<void(TConfirmForm&)> act;
        return act;
    }
    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
        HWND w = FindWindowA(nullptr, "Confirm");
        if (!w || !IsWindowVisible(w) || !Act()) return;
        auto* dialog = dynamic_cast<TConfirmForm*>(tk::WinControl::FromHandle(w));
        if (!dialog || dialog->ModalResult() != tk::mrNone) return;
        ++Dialogs();
        Act()(*dialog);
    }
    UINT_PTR timer_;
};

inline void ClickButton(tk::WinControl& button) {
    const LPARAM inside = MAKELPARAM(button.Width() / 2, button.Height() / 2);
    SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageA(button.Handle(), WM_LBUTTONUP, 0, inside);
}
