#pragma once
#include <functional>
#include <optional>
#include <string>

#include "core/DateTime.h"
#include "core/FormatSettings.h"
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

    core::TDateTime DateTime() const { return value_; }
    // Throws core::Error "Date is less than minimum of ..." below the earliest date.
    void SetDateTime(core::TDateTime value);
    void SetDate(core::TDateTime date); // keeps the time of day
    void SetTime(core::TDateTime time); // keeps the date

    void SetMinDate(core::TDateTime date);
    std::optional<core::TDateTime> MinDate() const { return minDate_; }

    // Regional formats used for the error text of the earliest date.
    void SetFormatSettings(const core::TFormatSettings& fs) { formats_ = fs; }

    std::function<void(DateTimePicker&)> OnChange;

    bool HandleNotify(NMHDR* header, LRESULT& result) override;
    // The text it shows is its value.
    AccessibleFacts Accessible() const override;

private:
    // The fields the control shows: the date of a date picker, the time of
    // day (to the second) of a time picker.
    struct ShownFields {
        WORD a, b, c;
        bool operator==(const ShownFields&) const = default;
    };
    ShownFields FieldsShown(const SYSTEMTIME& st) const;
    void Store(core::TDateTime value);

    PickerKind kind_;
    core::TDateTime value_ = 0;
    std::optional<core::TDateTime> minDate_;
    std::optional<ShownFields> shown_; // what the control shows now
    core::TFormatSettings formats_;
};

// Conversions between the system's calendar record and our date-time.
SYSTEMTIME ToSystemTime(core::TDateTime t);
core::TDateTime FromSystemTime(const SYSTEMTIME& st);

} // namespace tk
