#include "toolkit/WinControl.h"

#include <windowsx.h>

#include "toolkit/ErrorReport.h"
#include "toolkit/Form.h"

namespace tk {

namespace {
constexpr char kCustomClass[] = "TkCustomControl";
constexpr char kCustomClassDbl[] = "TkCustomControlDbl";

void RegisterCustomClasses() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = WinControl::StaticWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kCustomClass;
        RegisterClassA(&wc);
        wc.style = CS_DBLCLKS;
        wc.lpszClassName = kCustomClassDbl;
        RegisterClassA(&wc);
        return true;
    }();
    (void)registered;
}
} // namespace

ShiftState ShiftState::Current() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

WinControl::WinControl(WinControl* parent, std::string name, Bounds bounds)
    : Control(parent, std::move(name), bounds) {}

WinControl::~WinControl() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        if (nativeProc_) SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(nativeProc_));
        DestroyWindow(hwnd_);
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
        hwnd_ = CreateWindowExA(exStyle, className, Caption().c_str(), style, b.left, b.top, b.width,
                                b.height, parentHwnd, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!hwnd_) return;
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        nativeProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassWndProc)));
    } else {
        hwnd_ = CreateWindowExA(exStyle, className, Caption().c_str(), style, b.left, b.top, b.width,
                                b.height, parentHwnd, nullptr, GetModuleHandleA(nullptr), this);
    }
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandleFor(Font())), FALSE);
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<WinControl*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
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
    if (nativeProc_) return CallWindowProcA(nativeProc_, hwnd_, msg, wParam, lParam);
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT WinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!mouseInside_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd_, 0};
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

bool WinControl::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

bool WinControl::CanFocus() const {
    for (const Control* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return hwnd_ != nullptr;
}

void WinControl::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

void WinControl::Invalidate() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void WinControl::Repaint() {
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool WinControl::DialogKey(WPARAM, ShiftState) { return false; }
bool WinControl::DialogChar(char) { return false; }
bool WinControl::HandleCommand(WORD) { return false; }
bool WinControl::HandleNotify(NMHDR*, LRESULT&) { return false; }
bool WinControl::HandleDrawItem(DRAWITEMSTRUCT*) { return false; }

void WinControl::BoundsChanged() {
    if (!hwnd_) return;
    const Bounds& b = GetBounds();
    if (Parent())
        SetWindowPos(hwnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControl::VisibleChanged() {
    if (hwnd_) ShowWindow(hwnd_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void WinControl::EnabledChanged() {
    if (hwnd_) EnableWindow(hwnd_, Enabled());
    Invalidate();
}

void WinControl::TextChanged() {
    if (hwnd_) SetWindowTextA(hwnd_, Caption().c_str());
    Invalidate();
}

void WinControl::FontChanged() {
    if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandleFor(Font())), FALSE);
    Invalidate();
}

void WinControl::HintChanged() {
    if (Form* f = OwnerForm(); f && f != this) f->UpdateHint(*this);
}

CustomControl::CustomControl(WinControl* parent, std::string name, Bounds bounds, bool doubleClicks)
    : WinControl(parent, std::move(name), bounds) {
    RegisterCustomClasses();
    CreateHandle(doubleClicks ? kCustomClassDbl : kCustomClass, WS_CLIPSIBLINGS, 0, false);
}

void CustomControl::PaintNow() {
    if (!Handle()) return;
    HDC dc = GetDC(Handle());
    {
        Canvas canvas(dc);
        Paint(canvas);
    }
    ReleaseDC(Handle(), dc);
}

LRESULT CustomControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: return 1; // Paint covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        {
            Canvas canvas(dc);
            Paint(canvas);
        }
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    default: break;
    }
    return WinControl::WndProc(msg, wParam, lParam);
}

} // namespace tk
