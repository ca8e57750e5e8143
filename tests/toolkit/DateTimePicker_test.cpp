#include "toolkit/DateTimePicker.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ToolkitTesting.h"
#include "rtl/DateTime.h"
#include "rtl/Error.h"

namespace {

using rtl::EncodeDateTime;

class DateTimePickerTest : public toolkit_testing::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        picker = &form->Add<tk::DateTimePicker>("Picker", tk::Bounds{10, 10, 120, 21});
        picker->OnChange = [this](tk::DateTimePicker&) { ++changes; };
    }
    // What the control itself shows, to the second.
    rtl::TDateTime Shown() const {
        SYSTEMTIME st{};
        SendMessageA(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
        st.wMilliseconds = 0;
        return tk::FromSystemTime(st);
    }

    tk::DateTimePicker* picker = nullptr;
    int changes = 0;
};

// The minimum is a whole day: its time of day does not count.
const rtl::TDateTime kMinimum = EncodeDateTime(2024, 3, 10, 15, 30, 0, 0);
const rtl::TDateTime kBefore = EncodeDateTime(2024, 3, 12, 8, 0, 0, 0);

TEST_F(DateTimePickerTest, TheMinimumDateIsAWholeDayAndAValueBelowItIsRefused) {
    picker->SetDateTime(kBefore);
    picker->SetMinDate(kMinimum);
    ASSERT_TRUE(picker->MinDate());
    EXPECT_EQ(*picker->MinDate(), rtl::EncodeDate(2024, 3, 10));
    struct Case {
        const char* what;
        rtl::TDateTime value;
        bool accepted;
    };
    const Case cases[] = {
        {"the minimum day, earlier than its time", EncodeDateTime(2024, 3, 10, 0, 0, 0, 0), true},
        {"the minimum day, last millisecond", EncodeDateTime(2024, 3, 10, 23, 59, 59, 999), true},
        {"the day before, last millisecond", EncodeDateTime(2024, 3, 9, 23, 59, 59, 999), false},
        {"a year before", EncodeDateTime(2023, 3, 10, 12, 0, 0, 0), false},
        {"long after", EncodeDateTime(2030, 1, 1, 12, 0, 0, 0), true},
    };
    for (const Case& c : cases) {
        picker->SetDateTime(kBefore);
        if (c.accepted) {
            EXPECT_NO_THROW(picker->SetDateTime(c.value)) << c.what;
            EXPECT_EQ(picker->DateTime(), c.value) << c.what;
        } else {
            EXPECT_THROW(picker->SetDateTime(c.value), rtl::Error) << c.what;
            EXPECT_EQ(picker->DateTime(), kBefore) << c.what << ": the value stays";
            EXPECT_EQ(Shown(), kBefore) << c.what << ": and so does the control";
        }
    }
    EXPECT_EQ(changes, 0) << "values set from code fire no event";
}

TEST_F(DateTimePickerTest, TheRefusalNamesTheMinimumInTheRegionalFormat) {
    rtl::TFormatSettings formats;
    formats.ShortDateFormat = "dd/MM/yyyy";
    picker->SetFormatSettings(formats);
    picker->SetMinDate(kMinimum);
    try {
        picker->SetDateTime(EncodeDateTime(2024, 3, 1, 0, 0, 0, 0));
        FAIL() << "accepted";
    } catch (const rtl::Error& e) {
        EXPECT_STREQ(e.what(), "Date is less than minimum of 10/03/2024");
    }
}

TEST_F(DateTimePickerTest, SettingTheDateKeepsTheTimeAndTheTimeKeepsTheDate) {
    picker->SetDateTime(kBefore);
    picker->SetDate(EncodeDateTime(2025, 1, 2, 23, 0, 0, 0));
    EXPECT_EQ(picker->DateTime(), EncodeDateTime(2025, 1, 2, 8, 0, 0, 0));
    picker->SetTime(EncodeDateTime(1999, 9, 9, 6, 7, 8, 9));
    EXPECT_EQ(picker->DateTime(), EncodeDateTime(2025, 1, 2, 6, 7, 8, 9));
}

TEST_F(DateTimePickerTest, AChangeInTheControlReachesTheValueAndFiresOnce) {
    picker->SetDateTime(kBefore);
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = picker->Handle();
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = tk::ToSystemTime(EncodeDateTime(2024, 4, 1, 8, 0, 0, 0));
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(picker->DateTime(), EncodeDateTime(2024, 4, 1, 8, 0, 0, 0));
    EXPECT_EQ(changes, 1);
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(changes, 1) << "the same value again is no change";
}

} // namespace
