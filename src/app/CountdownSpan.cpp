#include "app/CountdownSpan.h"

#include <cmath>

namespace {

// The common controls' calendar begins with the Gregorian calendar in Britain.
constexpr int kFirstPickerYear = 1752;
constexpr int kFirstPickerMonth = 9;
constexpr int kFirstPickerDay = 14;
// The last day is accepted only at midnight; the day before takes any time, even one that
// rounds up to the next midnight.
constexpr int kLastPickerYear = core::MaxYear;
constexpr int kLastPickerMonth = 12;
constexpr int kLastPickerDay = 30;

} // namespace

core::TDateTime FirstPickerDate() {
    static const core::TDateTime first =
        core::EncodeDate(kFirstPickerYear, kFirstPickerMonth, kFirstPickerDay);
    return first;
}

core::TDateTime LastPickerDate() {
    static const core::TDateTime last = core::EncodeDate(kLastPickerYear, kLastPickerMonth, kLastPickerDay);
    return last;
}

core::TDateTime ClampToPickerRange(core::TDateTime value) {
    if (!std::isfinite(value)) return 0.0;
    const core::TDateTime date = core::DateOf(value);
    if (date < FirstPickerDate()) return core::CombineDateTime(FirstPickerDate(), core::TimeOf(value));
    if (date > LastPickerDate()) return core::CombineDateTime(LastPickerDate(), core::TimeOf(value));
    return value;
}
