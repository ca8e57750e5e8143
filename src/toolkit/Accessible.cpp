#include "toolkit/Accessible.h"

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <string>

#include "toolkit/Form.h"
#include "toolkit/Handles.h"
#include "toolkit/ReadingOrder.h"
#include "toolkit/SystemLibrary.h"

namespace tk {

namespace {

// Defined here: the import library's symbol is a thunk, which marshals nothing.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
// Live regions are newer than our oldest system; there the event is ignored.
constexpr DWORD kEventLiveRegionChanged = 0x8019;
struct OleAcc {
    ModuleHandle module;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
};

// oleacc is no KnownDLL; loaded when a client first asks, so a program
// nobody reads never loads it.
const OleAcc& Library() {
    static const OleAcc library = [] {
        OleAcc lib;
        lib.module = LoadSystemLibrary(L"oleacc.dll");
        lib.lresultFromObject = GetProc<decltype(&LresultFromObject)>(lib.module, "LresultFromObject");
        lib.createStandard =
            GetProc<decltype(&CreateStdAccessibleObject)>(lib.module, "CreateStdAccessibleObject");
        return lib;
    }();
    return library;
}

// Marshalling an object needs COM on the window thread; started on first use.
bool ComReady() {
    static const bool ready = [] {
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        return SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
    }();
    return ready;
}

HRESULT Text(const std::string& text, BSTR* out) {
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    *out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (!*out) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), *out, length);
    return S_OK;
}

VARIANT Self() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

void SetChildId(VARIANT* out, long id) {
    out->vt = VT_I4;
    out->lVal = id;
}

// A control's own facts with the states every control has.
AccessibleFacts FactsOf(const Control& control) {
    AccessibleFacts facts = control.Accessible();
    if (!control.Visible()) facts.state |= STATE_SYSTEM_INVISIBLE;
    if (!control.Enabled()) facts.state |= STATE_SYSTEM_UNAVAILABLE;
    if (const auto* windowed = dynamic_cast<const WinControl*>(&control)) {
        if (windowed->TabStop() && windowed->CanFocus()) facts.state |= STATE_SYSTEM_FOCUSABLE;
        if (windowed->Focused()) facts.state |= STATE_SYSTEM_FOCUSED;
    }
    // An alert reads out all it says.
    if (const auto* form = dynamic_cast<const Form*>(&control); form && facts.role == ROLE_SYSTEM_ALERT) {
        for (const Control* child : AccessibleChildren(*form)) {
            if (child->Accessible().role != ROLE_SYSTEM_STATICTEXT || child->Caption().empty()) continue;
            if (!facts.description.empty()) facts.description += ' ';
            facts.description += StripAccelerator(child->Caption());
        }
    }
    return facts;
}

RECT ScreenRect(const Control& control) {
    RECT r{};
    if (const auto* windowed = dynamic_cast<const WinControl*>(&control)) {
        if (dynamic_cast<const Form*>(windowed)) {
            GetClientRect(windowed->Handle(), &r);
            MapWindowPoints(windowed->Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        } else {
            GetWindowRect(windowed->Handle(), &r);
        }
        return r;
    }
    r = control.GetBounds().Rect();
    if (control.Parent())
        MapWindowPoints(control.Parent()->Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

// One control's object. A form's object also answers for its windowless
// children; windowed children have objects of their own.
class AccessibleObject final : public IAccessible {
public:
    explicit AccessibleObject(WinControl& control) : control_(&control) {
        IAccessible* standard = nullptr;
        if (Library().createStandard &&
            SUCCEEDED(Library().createStandard(control.Handle(), OBJID_CLIENT, kIidAccessible,
                                               reinterpret_cast<void**>(&standard))))
            standard_.Reset(standard);
    }
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    static AccessibleObject& Of(WinControl& control) {
        if (!control.accessible_) control.accessible_ = new AccessibleObject(control);
        return *control.accessible_;
    }
    void Forget() {
        control_ = nullptr;
        standard_.Reset();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, kIidAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: clients of this interface call its methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!control_) return RPC_E_DISCONNECTED;
        if (Form* form = control_->OwnerForm(); form && form != control_) {
            *out = &Of(*form);
            (*out)->AddRef();
            return S_OK;
        }
        return standard_ ? standard_.Get()->get_accParent(out) : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override {
        if (!out) return E_POINTER;
        *out = 0;
        if (!control_) return RPC_E_DISCONNECTED;
        if (const Form* form = AsForm()) {
            *out = static_cast<long>(AccessibleChildren(*form).size());
            return S_OK;
        }
        return standard_ ? standard_.Get()->get_accChildCount(out) : S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!control_) return RPC_E_DISCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        const Form* form = AsForm();
        if (!form) return standard_ ? standard_.Get()->get_accChild(child, out) : E_INVALIDARG;
        const Control* target = ChildOf(*form, child.lVal);
        if (!target) return E_INVALIDARG;
        auto* windowed = const_cast<WinControl*>(dynamic_cast<const WinControl*>(target));
        if (!windowed) return S_FALSE; // a simple element of this object
        *out = &Of(*windowed);
        (*out)->AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Answer(
            child, [&](const Control& c) { return Text(FactsOf(c).name, out); },
            [&](IAccessible* a, VARIANT v) { return a->get_accName(v, out); });
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Answer(
            child, [&](const Control& c) { return Text(FactsOf(c).value, out); },
            [&](IAccessible* a, VARIANT v) { return a->get_accValue(v, out); });
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Answer(
            child, [&](const Control& c) { return Text(FactsOf(c).description, out); },
            [&](IAccessible* a, VARIANT v) { return a->get_accDescription(v, out); });
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        return Answer(
            child,
            [&](const Control& c) {
                const long role = FactsOf(c).role;
                if (role == 0 && &c == control_ && standard_)
                    return standard_.Get()->get_accRole(Self(), out);
                SetChildId(out, role == 0 ? ROLE_SYSTEM_CLIENT : role);
                return S_OK;
            },
            [&](IAccessible* a, VARIANT v) { return a->get_accRole(v, out); });
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        return Answer(
            child,
            [&](const Control& c) {
                SetChildId(out, FactsOf(c).state);
                return S_OK;
            },
            [&](IAccessible* a, VARIANT v) { return a->get_accState(v, out); });
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (!file || !topic) return E_POINTER;
        *file = nullptr;
        *topic = 0;
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Answer(
            child,
            [&](const Control& c) {
                // The standard object reads the accelerator from the window's text.
                return &c == control_ && standard_ ? standard_.Get()->get_accKeyboardShortcut(Self(), out)
                                                   : S_FALSE;
            },
            [&](IAccessible* a, VARIANT v) { return a->get_accKeyboardShortcut(v, out); });
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        if (!control_) return RPC_E_DISCONNECTED;
        const HWND focus = GetFocus();
        if (focus == control_->Handle()) {
            SetChildId(out, CHILDID_SELF);
            return S_OK;
        }
        if (const Form* form = AsForm()) {
            for (const Control* c : AccessibleChildren(*form)) {
                auto* windowed = const_cast<WinControl*>(dynamic_cast<const WinControl*>(c));
                if (windowed && focus &&
                    (windowed->Handle() == focus || IsChild(windowed->Handle(), focus))) {
                    out->vt = VT_DISPATCH;
                    out->pdispVal = &Of(*windowed);
                    out->pdispVal->AddRef();
                    return S_OK;
                }
            }
        }
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Answer(
            child, [&](const Control& c) { return Text(FactsOf(c).defaultAction, out); },
            [&](IAccessible* a, VARIANT v) { return a->get_accDefaultAction(v, out); });
    }

    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Answer(
            child,
            [&](const Control& c) {
                return &c == control_ && standard_ ? standard_.Get()->accSelect(flags, Self())
                                                   : DISP_E_MEMBERNOTFOUND;
            },
            [&](IAccessible* a, VARIANT v) { return a->accSelect(flags, v); });
    }

    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        return Answer(
            child,
            [&](const Control& c) {
                const RECT r = ScreenRect(c);
                *left = r.left;
                *top = r.top;
                *width = r.right - r.left;
                *height = r.bottom - r.top;
                return S_OK;
            },
            [&](IAccessible* a, VARIANT v) { return a->accLocation(left, top, width, height, v); });
    }

    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        if (!control_) return RPC_E_DISCONNECTED;
        if (start.vt != VT_I4) return E_INVALIDARG;
        const Form* form = AsForm();
        if (!form) return standard_ ? standard_.Get()->accNavigate(direction, start, out) : S_FALSE;
        const long count = static_cast<long>(AccessibleChildren(*form).size());
        long id = 0;
        if (start.lVal == CHILDID_SELF) {
            if (direction == NAVDIR_FIRSTCHILD)
                id = 1;
            else if (direction == NAVDIR_LASTCHILD)
                id = count;
            else
                return standard_ ? standard_.Get()->accNavigate(direction, start, out) : S_FALSE;
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
            id = start.lVal + 1;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
            id = start.lVal - 1;
        }
        if (id < 1 || id > count) return S_FALSE;
        return ChildVariant(*form, id, out);
    }

    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        if (!control_) return RPC_E_DISCONNECTED;
        const POINT p{x, y};
        const RECT own = ScreenRect(*control_);
        if (!PtInRect(&own, p)) return S_FALSE;
        if (const Form* form = AsForm()) {
            const auto children = AccessibleChildren(*form);
            // The last in reading order is the innermost: frames come before what they hold.
            for (long id = static_cast<long>(children.size()); id >= 1; --id) {
                const RECT r = ScreenRect(*children[std::size_t(id - 1)]);
                if (children[std::size_t(id - 1)]->Visible() && PtInRect(&r, p))
                    return ChildVariant(*form, id, out);
            }
        }
        SetChildId(out, CHILDID_SELF);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Answer(
            child,
            [&](const Control& c) {
                const auto* windowed = dynamic_cast<const WinControl*>(&c);
                if (!windowed || FactsOf(c).defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
                return PostMessageA(windowed->Handle(), kDoDefaultActionMessage, 0, 0) ? S_OK : E_FAIL;
            },
            [&](IAccessible* a, VARIANT v) { return a->accDoDefaultAction(v); });
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleObject() = default;

    const Form* AsForm() const { return dynamic_cast<const Form*>(control_); }

    static const Control* ChildOf(const Form& form, long id) {
        const auto children = AccessibleChildren(form);
        if (id < 1 || id > static_cast<long>(children.size())) return nullptr;
        return children[std::size_t(id - 1)];
    }

    static HRESULT ChildVariant(const Form& form, long id, VARIANT* out) {
        const Control* c = ChildOf(form, id);
        if (auto* windowed = const_cast<WinControl*>(dynamic_cast<const WinControl*>(c))) {
            out->vt = VT_DISPATCH;
            out->pdispVal = &Of(*windowed);
            out->pdispVal->AddRef();
        } else {
            SetChildId(out, id);
        }
        return S_OK;
    }

    // Runs `own` for this control or one of a form's windowless children;
    // hands a windowed child to its own object and anything else to the
    // standard object. Nothing thrown crosses into the caller.
    template <class Own, class Forward>
    HRESULT Answer(const VARIANT& child, Own own, Forward forward) {
        try {
            if (!control_) return RPC_E_DISCONNECTED;
            if (child.vt != VT_I4) return E_INVALIDARG;
            if (child.lVal == CHILDID_SELF) return own(*control_);
            const Form* form = AsForm();
            if (!form) return standard_ ? forward(standard_.Get(), child) : E_INVALIDARG;
            const Control* target = ChildOf(*form, child.lVal);
            if (!target) return E_INVALIDARG;
            if (auto* windowed = const_cast<WinControl*>(dynamic_cast<const WinControl*>(target)))
                return forward(&Of(*windowed), Self());
            return own(*target);
        } catch (...) {
            return E_FAIL;
        }
    }

    LONG refs_ = 1; // the control's own reference
    WinControl* control_;
    ComReference<IAccessible> standard_;
};

LRESULT AnswerGetObject(WinControl& control, WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(static_cast<DWORD>(objectId)) != OBJID_CLIENT || !control.Handle()) return 0;
    if (!Library().lresultFromObject || !ComReady()) return 0;
    const LRESULT answer = Library().lresultFromObject(
        kIidAccessible, flags, static_cast<IAccessible*>(&AccessibleObject::Of(control)));
    return answer > 0 ? answer : 0;
}

void ForgetAccessible(WinControl& control) {
    if (!control.accessible_) return;
    control.accessible_->Forget();
    control.accessible_->Release();
    control.accessible_ = nullptr;
}

std::vector<const Control*> AccessibleChildren(const Form& form) {
    const auto& controls = form.Controls();
    std::vector<reading::Item> items;
    items.reserve(controls.size());
    for (const auto& c : controls) {
        const Bounds& b = c->GetBounds();
        reading::Item item{b.left, b.top, b.width, b.height, c->GroupsContent(), c->Accessible().role != 0};
        if (const Control* namer = c->NamedBy()) {
            const auto at = std::find_if(controls.begin(), controls.end(),
                                         [&](const auto& other) { return other.get() == namer; });
            if (at != controls.end()) item.namedBy = static_cast<int>(at - controls.begin());
        }
        items.push_back(item);
    }
    std::vector<const Control*> children;
    for (int index : reading::ReadingOrder(items)) children.push_back(controls[std::size_t(index)].get());
    return children;
}

void NotifyAccessible(const Control& control, DWORD event) {
    if (const auto* windowed = dynamic_cast<const WinControl*>(&control)) {
        if (windowed->Handle()) NotifyWinEvent(event, windowed->Handle(), OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    const Form* form = control.OwnerForm();
    if (!form || !form->Handle()) return;
    const auto children = AccessibleChildren(*form);
    const auto at = std::find(children.begin(), children.end(), &control);
    if (at != children.end())
        NotifyWinEvent(event, form->Handle(), OBJID_CLIENT, static_cast<LONG>(at - children.begin()) + 1);
}

void Announce(const Control& control) {
    NotifyAccessible(control, EVENT_OBJECT_NAMECHANGE);
    NotifyAccessible(control, kEventLiveRegionChanged);
}

} // namespace tk
