#include "app/CountdownSpan.h"

#include <cmath>

namespace {

// The common controls' calendar begins with the Gregorian calendar in Britain.
constexpr int kFirstPickerYear = 1752;
constexpr int kFirstPickerMonth = 9;
constexpr int kFirstPickerDay = 14;
// The last day is accepted only at midnight; the day before takes any time, even one that
// rounds up to the next midnight.
constexpr int kLastPickerYear = rtl::MaxYear;
constexpr int kLastPickerMonth = 12;
constexpr int kLastPickerDay = 30;

} // namespace

rtl::TDateTime FirstPickerDate() {
    static const rtl::TDateTime first = rtl::EncodeDate(kFirstPickerYear, kFirstPickerMonth, kFirstPickerDay);
    return first;
}

rtl::TDateTime LastPickerDate() {
    static const rtl::TDateTime last = rtl::EncodeDate(kLastPickerYear, kLastPickerMonth, kLastPickerDay);
    return last;
}

rtl::TDateTime ClampToPickerRange(rtl::TDateTime value) {
    if (!std::isfinite(value)) return 0.0;
    const rtl::TDateTime date = rtl::DateOf(value);
    if (date < FirstPickerDate()) return rtl::CombineDateTime(FirstPickerDate(), rtl::TimeOf(value));
    if (date > LastPickerDate()) return rtl::CombineDateTime(LastPickerDate(), rtl::TimeOf(value));
    return value;
}
