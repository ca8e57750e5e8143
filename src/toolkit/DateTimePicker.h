#pragma once
#include <functional>
#include <optional>
#include <string>

#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"
#include "toolkit/WinControl.h"

namespace tk {

enum class PickerKind { Date, Time };

struct DateTimePickerArgs {
    PickerKind kind = PickerKind::Date;
    std::string format{}; // custom display format; empty: the user's regional format
};

// The common date-time picker. It holds a whole date and time; the value set
// from code is kept to the millisecond. Setting it from code fires no event.
class DateTimePicker : public WinControl {
public:
    DateTimePicker(WinControl* parent, std::string name, Bounds bounds, DateTimePickerArgs args = {});

    rtl::TDateTime DateTime() const { return value_; }
    // Throws rtl::Error "Date is less than minimum of ..." below the earliest date.
    void SetDateTime(rtl::TDateTime value);
    void SetDate(rtl::TDateTime date); // keeps the time of day
    void SetTime(rtl::TDateTime time); // keeps the date

    void SetMinDate(rtl::TDateTime date);
    std::optional<rtl::TDateTime> MinDate() const { return minDate_; }

    // Regional formats used for the error text of the earliest date.
    void SetFormatSettings(const rtl::TFormatSettings& fs) { formats_ = fs; }

    std::function<void(DateTimePicker&)> OnChange;

    bool HandleNotify(NMHDR* header, LRESULT& result) override;

private:
    void Store(rtl::TDateTime value);

    rtl::TDateTime value_ = 0;
    std::optional<rtl::TDateTime> minDate_;
    std::optional<SYSTEMTIME> shown_; // what the control was last given, to the second
    rtl::TFormatSettings formats_;
};

// Conversions between the system's calendar record and our date-time.
SYSTEMTIME ToSystemTime(rtl::TDateTime t);
rtl::TDateTime FromSystemTime(const SYSTEMTIME& st);

} // namespace tk
