// The built program as a screen reader meets it, from another process: every
// control and label read with its role, name, value and state, in reading
// order; the changes it announces (arming, the confirmation as an alert) and
// the ticks it keeps quiet. The action is Standby, harmless under Wine.
#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramDriving.h"
#include "support/MessagePump.h"
#include "toolkit/Handles.h"

using namespace e2e;

namespace {

// The import library's IID_IAccessible is a thunk, which marshals nothing.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr char kMainCaption[] = "Kalvex Now! [NT]";
constexpr DWORD kQuietMs = 3000; // twelve ticks
using Object = tk::ComReference<IAccessible>;

// What a screen reader calls, from oleacc.
struct OleAcc {
    HMODULE module = LoadLibraryA("oleacc.dll");
    decltype(&AccessibleObjectFromWindow) fromWindow = reinterpret_cast<decltype(fromWindow)>(
        reinterpret_cast<void*>(GetProcAddress(module, "AccessibleObjectFromWindow")));
    decltype(&AccessibleChildren) children = reinterpret_cast<decltype(children)>(
        reinterpret_cast<void*>(GetProcAddress(module, "AccessibleChildren")));
};
const OleAcc& Lib() {
    static const OleAcc lib;
    return lib;
}

struct Node {
    long role = 0;
    std::string name, value, description;
    long state = 0;
    Object object; // a windowed child's own object
};

std::string Narrow(BSTR text) {
    if (!text) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
    SysFreeString(text);
    return out;
}

VARIANT ChildId(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

Node Read(IAccessible* object, long id) {
    Node node;
    const VARIANT child = ChildId(id);
    BSTR text = nullptr;
    if (object->get_accName(child, &text) == S_OK) node.name = Narrow(text);
    if (object->get_accValue(child, &text) == S_OK) node.value = Narrow(text);
    if (object->get_accDescription(child, &text) == S_OK) node.description = Narrow(text);
    VARIANT v;
    VariantInit(&v);
    if (SUCCEEDED(object->get_accRole(child, &v)) && v.vt == VT_I4) node.role = v.lVal;
    VariantInit(&v);
    if (SUCCEEDED(object->get_accState(child, &v)) && v.vt == VT_I4) node.state = v.lVal;
    return node;
}

Object WindowObject(HWND window) {
    IAccessible* object = nullptr;
    Lib().fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                     reinterpret_cast<void**>(&object));
    return Object(object);
}

// The children as AccessibleChildren gives them: simple elements read from
// the parent, objects read from themselves.
std::vector<Node> Children(IAccessible* parent) {
    long count = 0;
    parent->get_accChildCount(&count);
    std::vector<VARIANT> items(static_cast<std::size_t>(count));
    long got = 0;
    if (count == 0 || FAILED(Lib().children(parent, 0, count, items.data(), &got))) return {};
    std::vector<Node> nodes;
    for (long i = 0; i < got; ++i) {
        VARIANT& item = items[static_cast<std::size_t>(i)];
        if (item.vt == VT_DISPATCH && item.pdispVal) {
            IAccessible* child = nullptr;
            item.pdispVal->QueryInterface(kIidAccessible, reinterpret_cast<void**>(&child));
            item.pdispVal->Release();
            if (!child) continue;
            Node node = Read(child, CHILDID_SELF);
            node.object.Reset(child);
            nodes.push_back(std::move(node));
        } else if (item.vt == VT_I4) {
            nodes.push_back(Read(parent, item.lVal));
        }
    }
    return nodes;
}

const Node* Find(const std::vector<Node>& nodes, long role, const std::string& name) {
    for (const Node& n : nodes)
        if (n.role == role && n.name == name) return &n;
    return nullptr;
}

// The WinEvents the program raises, as an out-of-context hook sees them.
struct Heard {
    DWORD event;
    HWND window;
    LONG object, child;
};
std::vector<Heard> heard;
void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    heard.push_back({event, window, object, child});
}

int Count(DWORD event, HWND window = nullptr) {
    int n = 0;
    for (const Heard& h : heard)
        if (h.event == event && (!window || h.window == window)) ++n;
    return n;
}

class AccessibilityEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Lib().fromWindow && Lib().children);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const std::string settings = SettingsFile();
        DeleteFileA(settings.c_str());
        WritePrivateProfileStringA("OPTIONS", "ActionComboBox", "3", settings.c_str());
        ASSERT_TRUE(Start(program, ProgramPath(), ""));
        ASSERT_TRUE(WaitFor([&] { return (main = VisibleWindow(kMainCaption)) != nullptr; }));
        hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hear, program.pi.dwProcessId, 0,
                               WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, nullptr);
        test_support::PumpFor(500);
        heard.clear();
    }
    void TearDown() override {
        if (hook) UnhookWinEvent(hook);
        CoUninitialize();
    }

    RunningProgram program;
    HWND main = nullptr;
    HWINEVENTHOOK hook = nullptr;
};

struct Expected {
    long role;
    const char* name; // nullptr: a text that changes as time goes by
    const char* value = nullptr;
};

TEST_F(AccessibilityEndToEnd, MainWindowReadsInOrderAndTicksStayQuiet) {
    test_support::PumpFor(kQuietMs);
    EXPECT_EQ(heard.size(), 0u) << "first event " << (heard.empty() ? 0 : heard.front().event);

    const Object form = WindowObject(main);
    ASSERT_TRUE(form);
    const Node self = Read(form.Get(), CHILDID_SELF);
    EXPECT_EQ(self.role, ROLE_SYSTEM_CLIENT);
    EXPECT_EQ(self.name, kMainCaption);

    const Expected expected[] = {
        {ROLE_SYSTEM_GROUPING, "Standby by timer"},
        {ROLE_SYSTEM_CHECKBUTTON, "Standby by timer"},
        {ROLE_SYSTEM_GROUPING, "Standby date and time"},
        {ROLE_SYSTEM_RADIOBUTTON, "Standby date and time"},
        {ROLE_SYSTEM_STATICTEXT, "Date"},
        {ROLE_SYSTEM_COMBOBOX, "Date"},
        {ROLE_SYSTEM_STATICTEXT, "Time"},
        {ROLE_SYSTEM_SPINBUTTON, "Time"},
        {ROLE_SYSTEM_GROUPING, "Time countdown"},
        {ROLE_SYSTEM_RADIOBUTTON, "Time countdown"},
        {ROLE_SYSTEM_STATICTEXT, "+ Number of days"},
        {ROLE_SYSTEM_COMBOBOX, "+ Number of days", "0"},
        {ROLE_SYSTEM_STATICTEXT, "+ Time"},
        {ROLE_SYSTEM_SPINBUTTON, "+ Time", "01:00:00"},
        {ROLE_SYSTEM_STATICTEXT, "Current time:"},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_STATICTEXT, ""},
        {ROLE_SYSTEM_PUSHBUTTON, "Sync"},
        {ROLE_SYSTEM_PUSHBUTTON, "?"},
        {ROLE_SYSTEM_PUSHBUTTON, "Execute"},
        {ROLE_SYSTEM_PUSHBUTTON, "Close"},
        {ROLE_SYSTEM_GROUPING, "Standby by WinAmp"},
        {ROLE_SYSTEM_CHECKBUTTON, "Standby by WinAmp"},
        {ROLE_SYSTEM_STATICTEXT, "Current song:"},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_STATICTEXT, "Playlist position:"},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_GROUPING, "Standby by CPU load"},
        {ROLE_SYSTEM_CHECKBUTTON, "Standby by CPU load"},
        {ROLE_SYSTEM_STATICTEXT, "Average CPU load (%)"},
        {ROLE_SYSTEM_COMBOBOX, "Average CPU load (%)", "10"},
        {ROLE_SYSTEM_STATICTEXT, "Over the time (sec)"},
        {ROLE_SYSTEM_COMBOBOX, "Over the time (sec)", "25"},
        {ROLE_SYSTEM_STATICTEXT, "Current CPU load level"},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_PROGRESSBAR, "Current CPU load level"},
        {ROLE_SYSTEM_STATICTEXT, "Average CPU load level"},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_PROGRESSBAR, "Average CPU load level"},
        {ROLE_SYSTEM_GROUPING, "What to do?"},
        {ROLE_SYSTEM_STATICTEXT, "What to do?"},
        {ROLE_SYSTEM_COMBOBOX, "What to do?", "Standby"},
        {ROLE_SYSTEM_GROUPING, "Skin"},
        {ROLE_SYSTEM_STATICTEXT, "Skin"},
        {ROLE_SYSTEM_COMBOBOX, "Skin", "Empty"},
        {ROLE_SYSTEM_GROUPING, "Standby when the network is quiet"},
        {ROLE_SYSTEM_CHECKBUTTON, "Standby when the network is quiet"},
        {ROLE_SYSTEM_STATICTEXT, "Average traffic (KB/s)"},
        {ROLE_SYSTEM_COMBOBOX, "Average traffic (KB/s)", "10"},
        {ROLE_SYSTEM_STATICTEXT, "Over the time (sec)"},
        {ROLE_SYSTEM_COMBOBOX, "Over the time (sec)", "60"},
        {ROLE_SYSTEM_STATICTEXT, "Adapter"},
        {ROLE_SYSTEM_COMBOBOX, "Adapter", "All but loopback"},
        {ROLE_SYSTEM_STATICTEXT, "Average network traffic"},
        {ROLE_SYSTEM_STATICTEXT, nullptr},
        {ROLE_SYSTEM_PROGRESSBAR, "Average network traffic"},
        {ROLE_SYSTEM_GROUPING, "Standby when a program closes"},
        {ROLE_SYSTEM_CHECKBUTTON, "Standby when a program closes"},
        {ROLE_SYSTEM_STATICTEXT, "Program:"},
        {ROLE_SYSTEM_COMBOBOX, "Program:"},
        {ROLE_SYSTEM_STATICTEXT, "Not waiting"},
    };
    const std::vector<Node> nodes = Children(form.Get());
    ASSERT_EQ(nodes.size(), std::size(expected));
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        SCOPED_TRACE("child " + std::to_string(i + 1) + " \"" + nodes[i].name + "\"");
        EXPECT_EQ(nodes[i].role, expected[i].role);
        if (expected[i].name) {
            EXPECT_EQ(nodes[i].name, expected[i].name);
        }
        if (expected[i].value) {
            EXPECT_EQ(nodes[i].value, expected[i].value);
        }
        EXPECT_EQ(nodes[i].state & STATE_SYSTEM_INVISIBLE, 0);
        // Without skins beside the program its skin list is disabled.
        const bool focusable =
            nodes[i].role != ROLE_SYSTEM_STATICTEXT && nodes[i].role != ROLE_SYSTEM_GROUPING &&
            nodes[i].role != ROLE_SYSTEM_PROGRESSBAR && (nodes[i].state & STATE_SYSTEM_UNAVAILABLE) == 0;
        EXPECT_EQ((nodes[i].state & STATE_SYSTEM_FOCUSABLE) != 0, focusable);
    }
    // A load reads as its percentage.
    for (const Node& bar : nodes) {
        if (bar.role == ROLE_SYSTEM_PROGRESSBAR) {
            EXPECT_EQ(bar.value.back(), '%') << bar.name;
        }
    }
}

TEST_F(AccessibilityEndToEnd, ArmingIsAnnouncedAndTheConfirmationReadsAsAnAlert) {
    const Object form = WindowObject(main);
    ASSERT_TRUE(form);
    std::vector<Node> nodes = Children(form.Get());
    const Node* cpu = Find(nodes, ROLE_SYSTEM_CHECKBUTTON, "Standby by CPU load");
    ASSERT_NE(cpu, nullptr);
    EXPECT_EQ(cpu->state & STATE_SYSTEM_CHECKED, 0);

    // Armed by its default action, then disarmed: each heard once.
    for (const bool armed : {true, false}) {
        heard.clear();
        ASSERT_EQ(cpu->object.Get()->accDoDefaultAction(ChildId(CHILDID_SELF)), S_OK);
        test_support::PumpFor(500);
        EXPECT_EQ(Count(EVENT_OBJECT_STATECHANGE), 1);
        EXPECT_EQ((Read(cpu->object.Get(), CHILDID_SELF).state & STATE_SYSTEM_CHECKED) != 0, armed);
    }

    heard.clear();
    PressKey(main, VK_F10);
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (confirm = VisibleWindow("Confirm")) != nullptr; }));
    test_support::PumpFor(500);
    EXPECT_EQ(Count(EVENT_SYSTEM_ALERT, confirm), 1);
    const Object dialog = WindowObject(confirm);
    ASSERT_TRUE(dialog);
    const Node alert = Read(dialog.Get(), CHILDID_SELF);
    EXPECT_EQ(alert.role, ROLE_SYSTEM_ALERT);
    EXPECT_EQ(alert.name, "Confirm");
    EXPECT_EQ(alert.description.rfind("Attention! Going into Standby mode after ... ", 0), 0u)
        << alert.description;
    EXPECT_NE(alert.description.find(" ... seconds"), std::string::npos) << alert.description;
    nodes = Children(dialog.Get());
    for (const char* text : {"Attention!", "Going into Standby mode after ...", "... seconds"})
        EXPECT_NE(Find(nodes, ROLE_SYSTEM_STATICTEXT, text), nullptr) << text;
    EXPECT_NE(Find(nodes, ROLE_SYSTEM_PUSHBUTTON, "Ok"), nullptr);
    EXPECT_NE(Find(nodes, ROLE_SYSTEM_PUSHBUTTON, "Cancel"), nullptr);
    ClickChild(confirm, "Cancel");
    ASSERT_TRUE(WaitFor([&] { return VisibleWindow("Confirm") == nullptr; }));
}

} // namespace
