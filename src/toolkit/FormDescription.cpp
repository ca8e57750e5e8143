#include "toolkit/FormDescription.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tk {

namespace {

std::string Named(const ControlRow& row) { return std::string(" (") + row.name + ")"; }

void AddActions(Form& form, std::span<const ActionRow> rows) {
    for (const ActionRow& row : rows) {
        Action action{row.name, row.caption, row.shortcut, {}};
        if (row.onExecute) action.onExecute = [&form, run = row.onExecute] { run(form); };
        form.AddAction(std::move(action));
    }
}

// The properties every kind shares, after the kind has made the control.
void ApplyCommon(Form& form, Control& control, const ControlRow& row, TextSource texts) {
    if (row.font) control.SetFont(*row.font);
    if (row.text) control.SetCaption(row.text);
    if (row.textId != 0) {
        if (!texts) throw std::logic_error("No string table" + Named(row));
        control.SetCaption(texts(row.textId));
    }
    if (row.cursor != CursorKind::Default) control.SetCursor(row.cursor);
    if (row.onClick) control.OnClick = [&form, run = row.onClick](Control&) { run(form); };
    if (row.bind) row.bind(form, control);
}

std::vector<WinControl*> TabOrder(const std::vector<std::pair<int, Control*>>& slots) {
    std::vector<std::pair<int, Control*>> sorted = slots;
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<WinControl*> order;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && sorted[i].first == sorted[i - 1].first)
            throw std::logic_error("Tab slot " + std::to_string(sorted[i].first) + " taken twice (" +
                                   sorted[i].second->Name() + ")");
        auto* windowed = dynamic_cast<WinControl*>(sorted[i].second);
        if (!windowed) throw std::logic_error("No window to focus (" + sorted[i].second->Name() + ")");
        order.push_back(windowed);
    }
    return order;
}

Control& Require(const Form& form, const char* name, const ControlRow& row, const char* role = "the header") {
    Control* c = FindControl(form, name);
    if (!c) throw std::logic_error(std::string("No control ") + name + " for " + role + Named(row));
    return *c;
}

// The header rule: the header beside its stripe across the frame's top, the
// stripe as tall as the header, the separator under the header.
void LayOutHeader(const Form& form, Control& header, const ControlRow& row) {
    Control& frameControl = Require(form, row.header.frame, row);
    frameControl.SetNamedBy(&header);
    // At the design scale, so that the gaps scale with everything else.
    const Bounds frame = frameControl.DesignBounds();
    Control* stripe = row.header.stripe ? &Require(form, row.header.stripe, row) : nullptr;
    const int stripeWidth = stripe ? stripe->DesignBounds().width : 0;
    const int headerHeight = header.DesignBounds().height;
    header.SetDesignBounds(
        {frame.left + stripeWidth + 2, frame.top + 2, frame.width - stripeWidth - 4, headerHeight});
    if (stripe) stripe->SetDesignBounds({frame.left + 2, frame.top + 2, stripeWidth, headerHeight});
    if (row.header.separator) {
        Control& line = Require(form, row.header.separator, row);
        line.SetDesignBounds(
            {frame.left + 2, frame.top + headerHeight + 2, frame.width - 4, line.DesignBounds().height});
    }
}

} // namespace

Control* FindControl(const Form& form, const std::string& name) {
    for (const auto& c : form.Controls())
        if (c->Name() == name) return c.get();
    return nullptr;
}

void BuildForm(Form& form, const FormDescription& description, TextSource texts) {
    AddActions(form, description.actions);

    std::vector<std::pair<int, Control*>> slots;
    std::vector<std::pair<Control*, const ControlRow*>> headers;
    std::vector<std::pair<Control*, const ControlRow*>> labels;
    for (const ControlRow& row : description.controls) {
        if (!row.kind) throw std::logic_error("No kind" + Named(row));
        if (row.action && !form.FindAction(row.action))
            throw std::logic_error(std::string("No action ") + row.action + Named(row));
        Control& control = row.kind(form, row);
        ApplyCommon(form, control, row, texts);
        if (row.tabSlot != kNoTabSlot) slots.emplace_back(row.tabSlot, &control);
        if (row.header.frame) headers.emplace_back(&control, &row);
        if (row.labelFor) labels.emplace_back(&control, &row);
    }
    if (!slots.empty()) form.SetTabOrder(TabOrder(slots));
    for (const auto& [control, row] : headers) LayOutHeader(form, *control, *row);
    for (const auto& [label, row] : labels) Require(form, row->labelFor, *row, "the label").SetNamedBy(label);
}

ControlKind MakeImage() {
    return
        [](Form& form, const ControlRow& row) -> Control& { return form.Add<Image>(row.name, row.bounds); };
}

ControlKind MakeBevel(BevelShape shape) {
    return [shape](Form& form, const ControlRow& row) -> Control& {
        return form.Add<Bevel>(row.name, row.bounds, shape);
    };
}

ControlKind MakeLabel(LabelArgs args) {
    return [args](Form& form, const ControlRow& row) -> Control& {
        return form.Add<Label>(row.name, row.bounds, args);
    };
}

ControlKind MakeShape(ShapeArgs args) {
    return [args](Form& form, const ControlRow& row) -> Control& {
        return form.Add<Shape>(row.name, row.bounds, args);
    };
}

ControlKind MakeComboBox(ComboBoxArgs args) {
    return [args](Form& form, const ControlRow& row) -> Control& {
        auto& box = form.Add<ComboBox>(row.name, row.bounds, args);
        if (row.onChange) box.OnChange = [&form, run = row.onChange](ComboBox&) { run(form); };
        if (row.onSelect) box.OnSelect = [&form, run = row.onSelect](ComboBox&) { run(form); };
        if (row.onCloseUp) box.OnCloseUp = [&form, run = row.onCloseUp](ComboBox&) { run(form); };
        if (row.onDropDown) box.OnDropDown = [&form, run = row.onDropDown](ComboBox&) { run(form); };
        if (row.onKeyPress)
            box.OnKeyPress = [&form, run = row.onKeyPress](ComboBox&, char& key) { run(form, key); };
        return box;
    };
}

ControlKind MakeDateTimePicker(DateTimePickerArgs args) {
    return [args](Form& form, const ControlRow& row) -> Control& {
        auto& picker = form.Add<DateTimePicker>(row.name, row.bounds, args);
        if (row.onChange) picker.OnChange = [&form, run = row.onChange](DateTimePicker&) { run(form); };
        return picker;
    };
}

} // namespace tk
