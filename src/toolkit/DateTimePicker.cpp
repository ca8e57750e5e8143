#include "toolkit/DateTimePicker.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include "core/DateTimeText.h"
#include "core/Error.h"

namespace tk {

SYSTEMTIME ToSystemTime(core::TDateTime t) {
    core::DateTimeParts p;
    SYSTEMTIME st{};
    if (!core::TryDecodeDateTime(t, p)) return st;
    st.wYear = static_cast<WORD>(p.Year);
    st.wMonth = static_cast<WORD>(p.Month);
    st.wDay = static_cast<WORD>(p.Day);
    st.wDayOfWeek = static_cast<WORD>(static_cast<int>(p.WeekDay) - 1);
    st.wHour = static_cast<WORD>(p.Hour);
    st.wMinute = static_cast<WORD>(p.Minute);
    st.wSecond = static_cast<WORD>(p.Second);
    st.wMilliseconds = static_cast<WORD>(p.MSec);
    return st;
}

core::TDateTime FromSystemTime(const SYSTEMTIME& st) {
    core::TDateTime t = 0;
    core::TryEncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds,
                            t);
    return t;
}

DateTimePicker::DateTimePicker(WinControl* parent, std::string name, Bounds bounds, DateTimePickerArgs args)
    : WinControl(parent, std::move(name), bounds), kind_(args.kind) {
    SetColor(clWindow);
    SetTabStop(true);
    // Clipping its children keeps a new value from repainting the time
    // picker's up-down arrows, which do not change with it.
    const DWORD style =
        WS_TABSTOP | WS_CLIPCHILDREN | (args.kind == PickerKind::Time ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT);
    CreateHandle(DATETIMEPICK_CLASSA, style, 0, true);
    if (!args.format.empty())
        SendMessageA(Handle(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(args.format.c_str()));
}

DateTimePicker::ShownFields DateTimePicker::FieldsShown(const SYSTEMTIME& st) const {
    if (kind_ == PickerKind::Date) return {st.wYear, st.wMonth, st.wDay};
    return {st.wHour, st.wMinute, st.wSecond};
}

void DateTimePicker::Store(core::TDateTime value) {
    value_ = value;
    // Following the clock, the value changes four times a second, but what
    // the control shows once a second (a time) or once a day (a date): only
    // a change it shows is worth a message and a repaint.
    SYSTEMTIME st = ToSystemTime(value);
    st.wMilliseconds = 0;
    const ShownFields fields = FieldsShown(st);
    if (shown_ == fields) return;
    SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    shown_ = fields;
}

void DateTimePicker::SetDateTime(core::TDateTime value) {
    // The common control ignores a value below its range without saying so.
    if (minDate_ && core::DateOf(value) < *minDate_)
        throw core::Error(core::DateIsLessThanMinimumText(*minDate_, formats_));
    Store(value);
}

void DateTimePicker::SetDate(core::TDateTime date) {
    SetDateTime(core::CombineDateTime(core::DateOf(date), core::TimeOf(value_)));
}

void DateTimePicker::SetTime(core::TDateTime time) {
    SetDateTime(core::CombineDateTime(core::DateOf(value_), core::TimeOf(time)));
}

void DateTimePicker::SetMinDate(core::TDateTime date) {
    minDate_ = core::DateOf(date);
    SYSTEMTIME range[2] = {ToSystemTime(*minDate_), {}};
    SendMessageA(Handle(), DTM_SETRANGE, GDTR_MIN, reinterpret_cast<LPARAM>(range));
}

bool DateTimePicker::HandleNotify(NMHDR* header, LRESULT& result) {
    if (header->code != DTN_DATETIMECHANGE) return false;
    const auto* change = reinterpret_cast<NMDATETIMECHANGE*>(header);
    if (change->dwFlags == GDT_VALID) {
        // The control's hidden fields may be stale (it is told only of changes
        // it shows), so they come from the value instead.
        const core::TDateTime chosen = FromSystemTime(change->st);
        const core::TDateTime picked =
            kind_ == PickerKind::Date ? core::CombineDateTime(core::DateOf(chosen), core::TimeOf(value_))
                                      : core::CombineDateTime(core::DateOf(value_), core::TimeOf(chosen));
        shown_ = FieldsShown(change->st);
        if (picked != value_) {
            value_ = picked;
            if (OnChange) OnChange(*this);
        }
    }
    result = 0;
    return true;
}

AccessibleFacts DateTimePicker::Accessible() const {
    std::string shown(GetWindowTextLengthA(Handle()) + 1, '\0');
    shown.resize(
        static_cast<std::size_t>(GetWindowTextA(Handle(), shown.data(), static_cast<int>(shown.size()))));
    // A date opens a calendar; a time is stepped up and down.
    return {.role = kind_ == PickerKind::Date ? ROLE_SYSTEM_COMBOBOX : ROLE_SYSTEM_SPINBUTTON,
            .name = AccessibleName(),
            .value = shown};
}

} // namespace tk
