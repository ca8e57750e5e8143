#include "toolkit/WinControl.h"

#include <windowsx.h>

#include <array>
#include <string>

#include "toolkit/Accessible.h"
#include "toolkit/Application.h"
#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"

namespace tk {

namespace {
// The class of custom controls, with or without double clicks.
const char* CustomClass(bool doubleClicks) {
    static const std::array<std::string, 2> names = [] {
        const Application& app = Application::Instance();
        std::array<std::string, 2> className = {app.WindowClassName("CustomControl"),
                                                app.WindowClassName("CustomControlDbl")};
        WNDCLASSA wc{};
        wc.lpfnWndProc = WinControl::StaticWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = className[0].c_str();
        RegisterClassA(&wc);
        wc.style = CS_DBLCLKS;
        wc.lpszClassName = className[1].c_str();
        RegisterClassA(&wc);
        return className;
    }();
    return names[doubleClicks ? 1 : 0].c_str();
}
} // namespace

ShiftState ShiftState::Current() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

WinControl::WinControl(WinControl* parent, std::string name, Bounds bounds)
    : Control(parent, std::move(name), bounds) {}

WinControl::~WinControl() {
    ForgetAccessible(*this);
    if (hwnd_) {
        SetWindowLongPtrA(Handle(), GWLP_USERDATA, 0);
        if (nativeProc_) SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nativeProc_));
        hwnd_.Reset();
    }
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    return hwnd ? reinterpret_cast<WinControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

void WinControl::CreateHandle(const char* className, DWORD style, DWORD exStyle, bool subclass) {
    HWND parentHwnd = Parent() ? Parent()->Handle() : nullptr;
    const Bounds& b = GetBounds();
    if (Parent()) style |= WS_CHILD;
    if (Visible()) style |= WS_VISIBLE;
    if (!Enabled()) style |= WS_DISABLED;
    if (subclass) {
        hwnd_.Reset(CreateWindowExA(exStyle, className, Caption().c_str(), style, b.left, b.top, b.width,
                                    b.height, parentHwnd, nullptr, GetModuleHandleA(nullptr), nullptr));
        if (!Handle()) return;
        SetWindowLongPtrA(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        nativeProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassWndProc)));
    } else {
        // WM_NCCREATE has taken the handle already.
        const HWND created =
            CreateWindowExA(exStyle, className, Caption().c_str(), style, b.left, b.top, b.width, b.height,
                            parentHwnd, nullptr, GetModuleHandleA(nullptr), this);
        if (!created) (void)hwnd_.Release(); // the system has destroyed it again
    }
    if (hwnd_) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandleFor(Font())), FALSE);
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<WinControl*>(cs->lpCreateParams);
        self->hwnd_.Reset(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    WinControl* self = FromHandle(hwnd);
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK WinControl::SubclassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinControl* self = FromHandle(hwnd);
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT WinControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        return WndProc(msg, wParam, lParam);
    } catch (...) {
        HandleException();
        return 0;
    }
}

LRESULT WinControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (nativeProc_) return CallWindowProcA(nativeProc_, Handle(), msg, wParam, lParam);
    return DefWindowProcA(Handle(), msg, wParam, lParam);
}

LRESULT WinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (tracksHover_ && !mouseInside_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&tme);
            mouseInside_ = true;
            MouseEnter();
        }
        break;
    case WM_MOUSELEAVE:
        mouseInside_ = false;
        MouseLeave();
        break;
    case WM_SETFOCUS:
        if (Form* f = OwnerForm(); f && f != this) f->ControlFocused(this);
        break;
    case WM_GETOBJECT:
        if (const LRESULT answer = AnswerGetObject(*this, wParam, lParam)) return answer;
        break;
    case kDoDefaultActionMessage: DoDefaultAction(); return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && Cursor() != CursorKind::Default) {
            ::SetCursor(CursorHandle(Cursor()));
            return TRUE;
        }
        break;
    default: break;
    }
    return DefaultProc(msg, wParam, lParam);
}

bool WinControl::Focused() const { return hwnd_ && GetFocus() == Handle(); }

bool WinControl::CanFocus() const {
    for (const Control* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return static_cast<bool>(hwnd_);
}

bool WinControl::FocusCuesShown() const {
    return hwnd_ && (SendMessageA(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void WinControl::SetFocus() {
    if (hwnd_) ::SetFocus(Handle());
}

void WinControl::Invalidate() {
    if (hwnd_) InvalidateRect(Handle(), nullptr, FALSE);
}

void WinControl::Repaint() {
    if (hwnd_) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool WinControl::DialogKey(WPARAM, ShiftState) { return false; }
bool WinControl::DialogChar(char) { return false; }
bool WinControl::HandleCommand(WORD) { return false; }
bool WinControl::HandleNotify(NMHDR*, LRESULT&) { return false; }
bool WinControl::HandleDrawItem(DRAWITEMSTRUCT*) { return false; }

void WinControl::BoundsChanged() {
    if (!Handle()) return;
    const Bounds& b = GetBounds();
    if (Parent())
        SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControl::VisibleChanged() {
    if (hwnd_) ShowWindow(Handle(), Visible() ? SW_SHOWNA : SW_HIDE);
}

void WinControl::EnabledChanged() {
    if (hwnd_) EnableWindow(Handle(), Enabled());
    Invalidate();
}

void WinControl::TextChanged() {
    if (hwnd_) SetWindowTextA(Handle(), Caption().c_str());
    Invalidate();
}

void WinControl::FontChanged() {
    if (hwnd_) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandleFor(Font())), FALSE);
    Invalidate();
}

void WinControl::HintChanged() {
    if (Form* f = OwnerForm(); f && f != this) f->UpdateHint(*this);
}

CustomControl::CustomControl(WinControl* parent, std::string name, Bounds bounds, bool doubleClicks)
    : WinControl(parent, std::move(name), bounds) {
    CreateHandle(CustomClass(doubleClicks), WS_CLIPSIBLINGS, 0, false);
}

void CustomControl::PaintNow() {
    if (!Handle()) return;
    const WindowDC dc(Handle());
    Canvas canvas(dc.Get());
    Paint(canvas);
}

LRESULT CustomControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: return 1; // Paint covers every pixel
    case WM_PAINT: {
        // The canvas goes before the paint ends, even when Paint throws.
        const PaintScope paint(Handle());
        Canvas canvas(paint.Get());
        Paint(canvas);
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    default: break;
    }
    return WinControl::WndProc(msg, wParam, lParam);
}

} // namespace tk
