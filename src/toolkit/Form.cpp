#include "toolkit/Form.h"

#include <windowsx.h>

#include <algorithm>

#include <ole2.h>
#include <oleacc.h>

#include "toolkit/Accessible.h"
#include "toolkit/Application.h"
#include "toolkit/EdgeSnap.h"

namespace tk {

namespace {
constexpr int kSnapDistance = 10;
#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0; // Windows 8.1 and later send it
#endif

const char* FormClass() {
    static const std::string name = [] {
        const Application& app = Application::Instance();
        std::string className = app.WindowClassName("Form");
        WNDCLASSA wc{};
        wc.lpfnWndProc = WinControl::StaticWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hIcon = app.Identity().icon;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = className.c_str();
        RegisterClassA(&wc);
        return className;
    }();
    return name.c_str();
}

// Re-enables the windows a modal form disabled, on every way out.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND except) : except_(except) {
        EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Visit, reinterpret_cast<LPARAM>(this));
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;
    ~DisabledWindows() {
        for (HWND w : windows_)
            if (IsWindow(w)) EnableWindow(w, TRUE);
    }

private:
    static BOOL CALLBACK Visit(HWND w, LPARAM self) {
        auto* me = reinterpret_cast<DisabledWindows*>(self);
        if (w != me->except_ && IsWindowVisible(w) && IsWindowEnabled(w)) {
            EnableWindow(w, FALSE);
            me->windows_.push_back(w);
        }
        return TRUE;
    }
    HWND except_;
    std::vector<HWND> windows_;
};
} // namespace

Form::Form(const FormArgs& args)
    : WinControl(nullptr, args.name, Bounds{}),
      position_(args.position),
      snapToEdges_(args.snapToEdges),
      dialog_(args.border == FormBorder::Dialog),
      alert_(args.alert) {
    SetDpi(SystemDpi());
    SetFont(args.font);
    SetColor(args.color);
    SetCaption(args.caption);
    SetVisible(false);

    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (args.border == FormBorder::Dialog) {
        style |= WS_POPUP | DS_MODALFRAME;
        exStyle |= WS_EX_DLGMODALFRAME;
    } else if (args.minimizeBox) {
        style |= WS_MINIMIZEBOX;
    }
    if (args.topmost) exStyle |= WS_EX_TOPMOST;
    designClient_ = {args.clientWidth, args.clientHeight};
    RECT r{0, 0, Scaled(args.clientWidth), Scaled(args.clientHeight)};
    AdjustWindowRectToDpi(r, style, exStyle, Dpi());
    SetBounds({0, 0, r.right - r.left, r.bottom - r.top});

    Form* mainForm = Application::Instance().MainForm();
    HWND owner = mainForm ? mainForm->Handle() : nullptr;
    const Bounds& b = GetBounds();
    CreateWindowExA(exStyle, FormClass(), args.caption.c_str(), style, b.left, b.top, b.width, b.height,
                    owner, nullptr, GetModuleHandleA(nullptr), static_cast<WinControl*>(this));
    // Off the primary monitor the window may have another DPI.
    if (const int dpi = WindowDpi(Handle()); dpi != Dpi()) ApplyDpi(dpi);
    TakeIcons();
    CenterOn(position_ == FormPosition::MainFormCenter && owner ? owner : nullptr);
}

Form::~Form() {
    hint_.reset();
    // Controls go first, in reverse order, while the form's window still exists.
    while (!controls_.empty()) controls_.pop_back();
    if (Application::Instance().MainForm() == this) Application::Instance().SetMainForm(nullptr);
}

int Form::ClientWidth() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int Form::ClientHeight() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void Form::SetClientSize(int width, int height) {
    // The frame the window has now: after a change of DPI the system may
    // or may not have scaled it (Wine does not).
    RECT window{}, client{};
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    SetWindowPos(Handle(), nullptr, 0, 0, width + frameWidth, height + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    designClient_ = {ScaleFromDpi(width, Dpi()), ScaleFromDpi(height, Dpi())};
}

void Form::ApplyDpi(int dpi) {
    if (dpi <= 0 || dpi == Dpi()) return;
    SetDpi(dpi);
    // The frame need not scale as the client area does (it does not under
    // Wine): the client area is what must come out right.
    SetClientSize(Scaled(designClient_.cx), Scaled(designClient_.cy));
    SetFont(DesignFont());
    for (const auto& c : controls_) c->ChangeDpi(dpi);
    FormDpiChanged();
    TakeIcons();
    if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The caption's and the task switcher's icons, drawn for this DPI rather
// than scaled from another size.
void Form::TakeIcons() {
    const Application& app = Application::Instance();
    IconHandle small = app.IconOfSize(SystemMetricForDpi(SM_CXSMICON, Dpi()));
    IconHandle big = app.IconOfSize(SystemMetricForDpi(SM_CXICON, Dpi()));
    if (small) SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    if (big) SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    // The window holds the new ones now; the old ones can go.
    if (small) smallIcon_ = std::move(small);
    if (big) bigIcon_ = std::move(big);
}

void Form::CenterOn(HWND reference) {
    RECT area{};
    if (reference) {
        GetWindowRect(reference, &area);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own{};
    GetWindowRect(Handle(), &own);
    const int w = own.right - own.left, h = own.bottom - own.top;
    const int x = area.left + (area.right - area.left - w) / 2;
    const int y = area.top + (area.bottom - area.top - h) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ShowKeyboardCues() {
    constexpr WORD kCues = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    if (SendMessageA(Handle(), WM_QUERYUISTATE, 0, 0) & kCues)
        SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, kCues), 0);
}

void Form::Show() {
    if (!shown_) {
        // As a dialog starts: cues hidden until the keyboard is used, unless
        // the system always wants them.
        BOOL alwaysCues = FALSE;
        SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &alwaysCues, 0);
        if (!alwaysCues)
            SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
        shown_ = true;
    }
    if (position_ == FormPosition::MainFormCenter) {
        Form* mainForm = Application::Instance().MainForm();
        CenterOn(mainForm && mainForm != this ? mainForm->Handle() : nullptr);
    }
    SetVisible(true);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void Form::Hide() {
    SetVisible(false);
    ShowWindow(Handle(), SW_HIDE);
}

void Form::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    FormClose();
    Hide();
    if (Application::Instance().MainForm() == this) Application::Instance().Terminate();
}

int Form::ShowModal() {
    modal_ = true;
    modalResult_ = mrNone;
    {
        DisabledWindows disabled(Handle());
        Show();
        NotifyWinEvent(alert_ ? EVENT_SYSTEM_ALERT : EVENT_SYSTEM_DIALOGSTART, Handle(),
                       alert_ ? OBJID_CLIENT : OBJID_WINDOW, CHILDID_SELF);
        MSG msg;
        while (modalResult_ == mrNone) {
            if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
                // Leave the quit request for the outer loop.
                PostQuitMessage(static_cast<int>(msg.wParam));
                modalResult_ = mrCancel;
                break;
            }
            Application::Instance().ProcessMessage(msg);
        }
    }
    Hide();
    NotifyWinEvent(EVENT_SYSTEM_DIALOGEND, Handle(), OBJID_WINDOW, CHILDID_SELF);
    modal_ = false;
    return modalResult_;
}

Action& Form::AddAction(Action action) {
    actions_.push_back(std::make_unique<Action>(std::move(action)));
    return *actions_.back();
}

Action* Form::FindAction(const std::string& name) const {
    for (const auto& a : actions_)
        if (a->name == name) return a.get();
    return nullptr;
}

bool Form::ExecuteShortCut(WPARAM key, ShiftState shift) {
    for (const auto& a : actions_) {
        if (a->shortcut.Matches(key, shift)) {
            a->Execute();
            return true;
        }
    }
    return false;
}

std::vector<WinControl*> Form::FocusOrder() const {
    if (!tabOrder_.empty()) return tabOrder_;
    std::vector<WinControl*> order;
    for (const auto& c : controls_)
        if (auto* w = dynamic_cast<WinControl*>(c.get())) order.push_back(w);
    return order;
}

void Form::SelectNext(bool forward) {
    const auto order = FocusOrder();
    if (order.empty()) return;
    const HWND focus = GetFocus();
    auto it = std::find_if(order.begin(), order.end(), [&](WinControl* c) {
        return c->Handle() == focus || IsChild(c->Handle(), focus);
    });
    const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t start = it == order.end() ? (forward ? -1 : n) : it - order.begin();
    for (std::ptrdiff_t step = 1; step <= n; ++step) {
        const std::ptrdiff_t i = ((start + (forward ? step : -step)) % n + n) % n;
        if (order[i]->TabStop() && order[i]->CanFocus()) {
            order[i]->SetFocus();
            return;
        }
    }
}

bool Form::HandleDialogKey(WPARAM key, ShiftState shift) {
    for (const auto& c : controls_)
        if (auto* w = dynamic_cast<WinControl*>(c.get()); w && w->DialogKey(key, shift)) return true;
    return false;
}

bool Form::HandleDialogChar(char ch) {
    for (const auto& c : controls_)
        if (auto* w = dynamic_cast<WinControl*>(c.get()); w && w->DialogChar(ch)) return true;
    return false;
}

AccessibleFacts Form::Accessible() const {
    const long role = alert_ ? ROLE_SYSTEM_ALERT : dialog_ ? ROLE_SYSTEM_DIALOG : ROLE_SYSTEM_CLIENT;
    return {.role = role, .name = Caption()};
}

void Form::UpdateHint(WinControl& control) {
    if (!hint_) hint_ = Application::Instance().CreateHintWindow(Handle());
    hint_->SetHint(control.Handle(), control.Hint());
}

void Form::PaintClient(Canvas& canvas, const RECT& area, HDC target) {
    HDC dc = canvas.Handle();
    // A whole-window background picture is copied only where it is needed.
    const int savedArea = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    canvas.SetBrushColor(Color());
    canvas.FillRect(area);
    for (const auto& c : controls_) {
        auto* g = dynamic_cast<GraphicControl*>(c.get());
        if (!g || !g->Visible()) continue;
        RECT r = g->GetBounds().Rect(), hit;
        if (!IntersectRect(&hit, &r, &area)) continue;
        // The area is the box around what needs painting: skip what lies
        // between its parts.
        if (target && !RectVisible(target, &r)) continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        SetViewportOrgEx(dc, r.left, r.top, nullptr);
        {
            Canvas controlCanvas(dc);
            g->Paint(controlCanvas);
        }
        RestoreDC(dc, saved);
    }
    RestoreDC(dc, savedArea);
}

void Form::PaintArea(HDC dc, const RECT& area) {
    const int w = ClientWidth(), h = ClientHeight();
    if (backBuffer_.Width() != w || backBuffer_.Height() != h) backBuffer_.SetSize(w, h);
    if (backBuffer_.Empty()) return;
    {
        Canvas canvas(backBuffer_.DC());
        PaintClient(canvas, area, dc);
    }
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, backBuffer_.DC(),
           area.left, area.top, SRCCOPY);
}

void Form::RepaintNow(const RECT& area) {
    if (!IsWindowVisible(Handle())) {
        InvalidateRect(Handle(), &area, FALSE);
        return;
    }
    // What else waits to be painted is drawn in the same pass: one surface
    // and one look at the visible region, and no paint message after it.
    const RegionHandle region(CreateRectRgnIndirect(&area));
    const RegionHandle pending(CreateRectRgn(0, 0, 0, 0));
    if (!region || !pending) {
        InvalidateRect(Handle(), &area, FALSE);
        return;
    }
    if (GetUpdateRgn(Handle(), pending.Get(), FALSE) > NULLREGION)
        CombineRgn(region.Get(), region.Get(), pending.Get(), RGN_OR);
    ValidateRgn(Handle(), region.Get());
    const WindowDC dc(Handle());
    SelectClipRgn(dc.Get(), region.Get());
    RECT box;
    GetRgnBox(region.Get(), &box);
    PaintArea(dc.Get(), box);
}

GraphicControl* Form::GraphicAt(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        auto* g = dynamic_cast<GraphicControl*>(it->get());
        if (!g || !g->Visible()) continue;
        const RECT r = g->GetBounds().Rect();
        if (PtInRect(&r, p)) return g;
    }
    return nullptr;
}

LRESULT Form::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        const PaintScope paint(Handle());
        PaintArea(paint.Get(), paint.Area());
        return 0;
    }
    case WM_COMMAND:
        if (lParam)
            if (WinControl* c = FromHandle(reinterpret_cast<HWND>(lParam)); c && c != this)
                if (c->HandleCommand(HIWORD(wParam))) return 0;
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (WinControl* c = FromHandle(header->hwndFrom); c && c != this) {
            LRESULT result = 0;
            if (c->HandleNotify(header, result)) return result;
        }
        break;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (WinControl* c = FromHandle(item->hwndItem); c && c != this)
            if (c->HandleDrawItem(item)) return TRUE;
        break;
    }
    case WM_SHOWWINDOW:
        if (wParam) FormShow();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            if (activeControl_ && activeControl_->CanFocus())
                activeControl_->SetFocus();
            else
                SelectNext(true);
            FormActivate();
        } else {
            FormDeactivate();
        }
        return 0;
    case WM_CLOSE: Close(); return 0;
    case WM_SETTINGCHANGE: FormSettingChange(); break;
    case WM_DPICHANGED: {
        // The DPI comes with the message: the window may not be on that
        // monitor yet, and a query could still tell the old one. The window
        // takes the suggested place first, then the size its scaled client
        // area needs, so what is laid out for it fits.
        if (const auto* suggested = reinterpret_cast<const RECT*>(lParam))
            SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        ApplyDpi(LOWORD(wParam));
        return 0;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application::Instance().MainForm() == this) {
            Application::Instance().Minimize();
            return 0;
        }
        break;
    case WM_LBUTTONUP: {
        // A windowless control is clicked where the form is.
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (GraphicControl* g = GraphicAt(p); g && g->Enabled() && g->OnClick) {
            g->Click();
            return 0;
        }
        break;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(Handle(), &p);
            if (GraphicControl* g = GraphicAt(p); g && g->Cursor() != CursorKind::Default) {
                ::SetCursor(CursorHandle(g->Cursor()));
                return TRUE;
            }
        }
        break;
    case WM_WINDOWPOSCHANGING:
        if (snapToEdges_) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            RECT work{};
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            if (!(pos->flags & SWP_NOMOVE)) {
                const WindowPlace snapped =
                    SnapToEdges({pos->x, pos->y, pos->cx, pos->cy},
                                {work.left, work.top, work.right, work.bottom}, kSnapDistance);
                pos->x = snapped.x;
                pos->y = snapped.y;
            }
        }
        break;
    default: break;
    }
    return WinControl::WndProc(msg, wParam, lParam);
}

} // namespace tk
