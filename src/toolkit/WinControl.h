#pragma once
#include <windows.h>

#include "toolkit/Control.h"
#include "toolkit/Handles.h"

namespace tk {

class AccessibleObject;

struct ShiftState {
    bool shift = false, ctrl = false, alt = false;
    bool None() const { return !shift && !ctrl && !alt; }
    static ShiftState Current();
};

// A control that owns a window. Our own window classes and subclassed native
// controls all get their messages through WndProc.
class WinControl : public Control {
public:
    WinControl(WinControl* parent, std::string name, Bounds bounds);
    ~WinControl() override;

    HWND Handle() const { return hwnd_.Get(); }
    static WinControl* FromHandle(HWND hwnd);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    bool Focused() const;
    bool CanFocus() const;
    void SetFocus();
    // Whether the window shows where the focus is: always once the keyboard
    // has been used in it, from the start when the system asks for cues.
    bool FocusCuesShown() const;

    void Invalidate() override;
    void Repaint() override;

    // Keys the form offers before normal dispatch: Enter, Escape (dialog
    // keys) and Alt+letter (accelerators). True when handled.
    virtual bool DialogKey(WPARAM key, ShiftState shift);
    virtual bool DialogChar(char ch);
    // True while the control wants Enter/Escape/Tab for itself (an open list).
    virtual bool WantsDialogKeys() const { return false; }

    // Notifications the parent reflects back to the control that sent them.
    virtual bool HandleCommand(WORD code);
    virtual bool HandleNotify(NMHDR* header, LRESULT& result);
    virtual bool HandleDrawItem(DRAWITEMSTRUCT* item);

    // Window procedure of our own window classes.
    static LRESULT CALLBACK StaticWndProc(HWND, UINT, WPARAM, LPARAM);

protected:
    // Creates the window: with a class of ours (subclass = false) or a native
    // class whose procedure we put ourselves in front of.
    void CreateHandle(const char* className, DWORD style, DWORD exStyle, bool subclass);
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Only controls that look different under the pointer ask for these:
    // watching for the pointer to leave can cost a poll while it rests inside.
    void TrackMouseHover() { tracksHover_ = true; }
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    void BoundsChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void FontChanged() override;
    void HintChanged() override;

private:
    static LRESULT CALLBACK SubclassWndProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    WindowHandle hwnd_;
    WNDPROC nativeProc_ = nullptr;
    AccessibleObject* accessible_ = nullptr; // made when a client first asks
    friend class AccessibleObject;
    friend void ForgetAccessible(WinControl& control);
    bool tabStop_ = false;
    bool tracksHover_ = false;
    bool mouseInside_ = false;
    friend class Form;
};

// A windowed control that paints itself completely.
class CustomControl : public WinControl {
public:
    // doubleClicks: whether a fast second press arrives as a double click.
    CustomControl(WinControl* parent, std::string name, Bounds bounds, bool doubleClicks);

    virtual void Paint(Canvas& canvas) = 0;
    // Draws at once on the control's own surface, outside a paint message.
    void PaintNow();

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

} // namespace tk
