#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/Action.h"
#include "toolkit/Bitmap.h"
#include "toolkit/HintWindow.h"
#include "toolkit/WinControl.h"

namespace tk {

enum ModalResultValue : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

enum class FormBorder { Single, Dialog };
enum class FormPosition { ScreenCenter, MainFormCenter };

struct FormArgs {
    std::string name{};
    std::string caption{};
    int clientWidth = 300;
    int clientHeight = 200;
    FormBorder border = FormBorder::Single;
    bool minimizeBox = true;
    bool topmost = false;
    FormPosition position = FormPosition::ScreenCenter;
    bool snapToEdges = false; // within a few pixels of a screen edge, stick to it
    FontSpec font{};
    TColor color = clBtnFace;
    bool alert = false; // read out whole when shown, as a warning
};

// A top-level window that owns its controls. Controls are added in
// declaration order; windowless ones are painted in that order over the
// form's background, into one back buffer.
class Form : public WinControl {
public:
    explicit Form(const FormArgs& args);
    ~Form() override;

    template <typename T, typename... Args>
    T& Add(Args&&... args) {
        auto control = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    int ClientWidth() const;
    int ClientHeight() const;
    // In pixels of the form's DPI.
    void SetClientSize(int width, int height);

    // Scales the form's client area and every control from their design to
    // `dpi`; the window keeps its top-left corner.
    void ApplyDpi(int dpi);

    void Show();
    void Hide();
    // Asks to close: modal forms end with Cancel, others run FormClose.
    void Close();
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }

    Action& AddAction(Action action);
    Action* FindAction(const std::string& name) const;
    bool ExecuteShortCut(WPARAM key, ShiftState shift);

    void SetTabOrder(std::vector<WinControl*> order) { tabOrder_ = std::move(order); }
    void SelectNext(bool forward);
    WinControl* ActiveControl() const { return activeControl_; }
    void ControlFocused(WinControl* c) { activeControl_ = c; }
    // The keyboard is in use: focus and accelerators show from now on.
    void ShowKeyboardCues();
    // Offers a dialog key (Enter, Escape) or an accelerator to the controls.
    bool HandleDialogKey(WPARAM key, ShiftState shift);
    bool HandleDialogChar(char ch);

    void UpdateHint(WinControl& control);

    AccessibleFacts Accessible() const override;

    // Paints the background and the windowless controls into a canvas, only
    // within `area`; with `target`, only the controls it would show.
    void PaintClient(Canvas& canvas, const RECT& area, HDC target = nullptr);
    // Redraws part of the client area at once, without a paint message,
    // together with whatever else of it waits to be painted.
    void RepaintNow(const RECT& area);

protected:
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormDeactivate() {}
    virtual void FormClose() {}
    // After ApplyDpi: the form places what it laid out by itself at run time.
    virtual void FormDpiChanged() {}
    // A system setting changed (WM_SETTINGCHANGE, sent to every top-level window).
    virtual void FormSettingChange() {}

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    GraphicControl* GraphicAt(POINT p) const;
    void PaintArea(HDC dc, const RECT& area);
    std::vector<WinControl*> FocusOrder() const;
    void CenterOn(HWND reference);
    void TakeIcons();

    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Action>> actions_;
    std::vector<WinControl*> tabOrder_;
    WinControl* activeControl_ = nullptr;
    std::unique_ptr<HintWindow> hint_;
    Bitmap backBuffer_;
    IconHandle smallIcon_, bigIcon_;
    SIZE designClient_{};
    FormPosition position_;
    bool snapToEdges_;
    bool dialog_;
    bool alert_;
    bool modal_ = false;
    bool shown_ = false;
    int modalResult_ = mrNone;
};

} // namespace tk
