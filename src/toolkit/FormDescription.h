#pragma once
// A form described as data: its window, its actions and one row per control,
// in declaration order (later controls paint over earlier ones). BuildForm
// walks the rows; the form's class keeps only behaviour.
//
//   const tk::ControlRow kRows[] = {
//       {.name = "OkBtn", .kind = ui::MakeXiButton(), .bind = tk::Bind<&TMyForm::OkBtn>,
//        .bounds = {40, 184, 89, 25}, .text = "Ok", .cursor = tk::CursorKind::Hand, .tabSlot = 0,
//        .modalResult = tk::mrOk},
//   };
#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "toolkit/Action.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Control.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"

namespace tk {

struct ControlRow;

// Creates a row's control on the form, with the kind's own arguments bound
// in, and wires the events the control has. Kinds of this layer are below;
// higher layers add their own the same way.
using ControlKind = std::function<Control&(Form& form, const ControlRow& row)>;

// Handlers and member slots are plain function pointers made from the form's
// own members by Call, CallKey and Bind, so a table stays constant data.
using FormHandler = void (*)(Form& form);
using FormKeyHandler = void (*)(Form& form, char& key);
using ControlBinder = void (*)(Form& form, Control& control);
// Looks up a text of the program's string table.
using TextSource = std::string (*)(unsigned id);

inline constexpr int kNoTabSlot = -1;

// A framed group's header (a check box or a label) sits across the frame's
// top, beside an optional stripe, above an optional separator line; all
// three are placed when the form is built.
struct HeaderLayout {
    const char* frame = nullptr;
    const char* stripe = nullptr; // none: the header starts at the frame's left
    const char* separator = nullptr;
};

struct ControlRow {
    const char* name = "";
    ControlKind kind{};
    ControlBinder bind = nullptr; // stores the control in the form's member
    Bounds bounds{};
    const char* text = nullptr; // a fixed caption
    unsigned textId = 0;        // or a caption from the string table
    std::optional<FontSpec> font{};
    CursorKind cursor = CursorKind::Default;
    int tabSlot = kNoTabSlot;       // place in the keyboard order, from 0
    const char* action = nullptr;   // the form's action a button runs
    int modalResult = mrNone;       // what a button sets on its form
    HeaderLayout header{};          // also names the frame for assistive technology
    const char* labelFor = nullptr; // the control this label names, read right after it
    FormHandler onClick = nullptr;
    FormHandler onChange = nullptr;
    FormHandler onSelect = nullptr;
    FormHandler onCloseUp = nullptr;
    FormHandler onDropDown = nullptr;
    FormKeyHandler onKeyPress = nullptr;
};

struct ActionRow {
    const char* name = "";
    const char* caption = "";
    ShortCut shortcut{};
    FormHandler onExecute = nullptr;
};

struct FormDescription {
    FormArgs form{};
    std::span<const ActionRow> actions{};
    std::span<const ControlRow> controls{};
};

// Adds the actions, then the controls with their captions, fonts, cursors,
// events and members, then the keyboard order, the header layout and the
// naming links. A row that names a missing action, frame or labelled control,
// a tab slot taken twice or a control without a window in the keyboard order
// throws std::logic_error.
void BuildForm(Form& form, const FormDescription& description, TextSource texts);

// The control of a given name, or nullptr.
Control* FindControl(const Form& form, const std::string& name);

// --- Making handlers and member slots from the form's members --------------

namespace detail {
template <typename>
struct MemberOf;
template <typename Owner, typename T>
struct MemberOf<T * Owner::*> {
    using Class = Owner;
    using Type = T;
};
template <typename>
struct MethodOf;
template <typename Owner, typename... Args>
struct MethodOf<void (Owner::*)(Args...)> {
    using Class = Owner;
};
} // namespace detail

// `.bind = tk::Bind<&TMyForm::OkBtn>`: the built control goes into that
// member; a kind that makes another type throws std::bad_cast.
template <auto Member>
void Bind(Form& form, Control& control) {
    using M = detail::MemberOf<decltype(Member)>;
    static_cast<typename M::Class&>(form).*Member = &dynamic_cast<typename M::Type&>(control);
}

// `.onClick = tk::Call<&TMyForm::OkBtnClick>`
template <auto Method>
void Call(Form& form) {
    (static_cast<typename detail::MethodOf<decltype(Method)>::Class&>(form).*Method)();
}

// `.onKeyPress = tk::CallKey<&TMyForm::ListKeyPress>`, a method taking `char& key`.
template <auto Method>
void CallKey(Form& form, char& key) {
    (static_cast<typename detail::MethodOf<decltype(Method)>::Class&>(form).*Method)(key);
}

// --- Kinds of the toolkit ------------------------------------------------

ControlKind MakeImage();
ControlKind MakeBevel(BevelShape shape = BevelShape::Frame);
ControlKind MakeLabel(LabelArgs args = {});
ControlKind MakeShape(ShapeArgs args = {});
ControlKind MakeComboBox(ComboBoxArgs args = {});
ControlKind MakeDateTimePicker(DateTimePickerArgs args = {});

} // namespace tk
