#include "toolkit/DateTimePicker.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "support/FormFixture.h"
#include "core/DateTime.h"
#include "core/Error.h"

namespace {

using core::EncodeDateTime;

class DateTimePickerTest : public test_support::FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        picker = &form->Add<tk::DateTimePicker>("Picker", tk::Bounds{10, 10, 120, 21});
        picker->OnChange = [this](tk::DateTimePicker&) { ++changes; };
    }
    // What the control itself shows, to the second.
    core::TDateTime Shown() const {
        SYSTEMTIME st{};
        SendMessageA(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
        st.wMilliseconds = 0;
        return tk::FromSystemTime(st);
    }

    tk::DateTimePicker* picker = nullptr;
    int changes = 0;
};

// The minimum is a whole day: its time of day does not count.
const core::TDateTime kMinimum = EncodeDateTime(2024, 3, 10, 15, 30, 0, 0);
const core::TDateTime kBefore = EncodeDateTime(2024, 3, 12, 8, 0, 0, 0);

TEST_F(DateTimePickerTest, TheMinimumDateIsAWholeDayAndAValueBelowItIsRefused) {
    picker->SetDateTime(kBefore);
    picker->SetMinDate(kMinimum);
    ASSERT_TRUE(picker->MinDate());
    EXPECT_EQ(*picker->MinDate(), core::EncodeDate(2024, 3, 10));
    struct Case {
        const char* what;
        core::TDateTime value;
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
            EXPECT_THROW(picker->SetDateTime(c.value), core::Error) << c.what;
            EXPECT_EQ(picker->DateTime(), kBefore) << c.what << ": the value stays";
            EXPECT_EQ(Shown(), kBefore) << c.what << ": and so does the control";
        }
    }
    EXPECT_EQ(changes, 0) << "values set from code fire no event";
}

TEST_F(DateTimePickerTest, TheRefusalNamesTheMinimumInTheRegionalFormat) {
    core::TFormatSettings formats;
    formats.ShortDateFormat = "dd/MM/yyyy";
    picker->SetFormatSettings(formats);
    picker->SetMinDate(kMinimum);
    try {
        picker->SetDateTime(EncodeDateTime(2024, 3, 1, 0, 0, 0, 0));
        FAIL() << "accepted";
    } catch (const core::Error& e) {
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

// Pickers of both kinds, and what their controls hold.
class PickerKindsTest : public test_support::FormTest {
protected:
    tk::DateTimePicker& Add(tk::PickerKind kind) {
        return form->Add<tk::DateTimePicker>("Picker", tk::Bounds{8, 8, 120, 21},
                                             tk::DateTimePickerArgs{kind, {}});
    }

    // What the common control itself holds, to the second.
    static core::TDateTime InControl(const tk::DateTimePicker& picker) {
        SYSTEMTIME st{};
        SendMessageA(picker.Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
        st.wMilliseconds = 0;
        return tk::FromSystemTime(st);
    }

    // The user changes the control: it reports its whole value.
    void UserPicks(tk::DateTimePicker& picker, core::TDateTime value) {
        NMDATETIMECHANGE change{};
        change.nmhdr.hwndFrom = picker.Handle();
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        change.st = tk::ToSystemTime(value);
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    }
};

TEST_F(PickerKindsTest, TellsTheControlOnlyOfChangesItShows) {
    struct Case {
        const char* name;
        tk::PickerKind kind;
        core::TDateTime first, second;
        bool controlFollows;
    };
    const Case cases[] = {
        {"date picker, same date, another time", tk::PickerKind::Date,
         EncodeDateTime(2026, 12, 8, 10, 0, 0, 0), EncodeDateTime(2026, 12, 8, 11, 30, 5, 0), false},
        {"date picker, next day", tk::PickerKind::Date, EncodeDateTime(2026, 12, 8, 10, 0, 0, 0),
         EncodeDateTime(2026, 12, 9, 10, 0, 0, 0), true},
        {"time picker, same second", tk::PickerKind::Time, EncodeDateTime(2026, 12, 8, 10, 0, 0, 0),
         EncodeDateTime(2026, 12, 8, 10, 0, 0, 750), false},
        {"time picker, same time on another day", tk::PickerKind::Time,
         EncodeDateTime(2026, 12, 8, 10, 0, 0, 0), EncodeDateTime(2026, 12, 9, 10, 0, 0, 0), false},
        {"time picker, next second", tk::PickerKind::Time, EncodeDateTime(2026, 12, 8, 10, 0, 0, 0),
         EncodeDateTime(2026, 12, 8, 10, 0, 1, 0), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tk::DateTimePicker& picker = Add(c.kind);
        picker.SetDateTime(c.first);
        picker.SetDateTime(c.second);
        EXPECT_EQ(picker.DateTime(), c.second); // the value is always whole
        EXPECT_NEAR(InControl(picker), c.controlFollows ? c.second : c.first, 1e-9);
    }
}

TEST_F(PickerKindsTest, AUserChangeKeepsTheFieldsThePickerDoesNotShow) {
    tk::DateTimePicker& date = Add(tk::PickerKind::Date);
    tk::DateTimePicker& time = form->Add<tk::DateTimePicker>(
        "Time", tk::Bounds{8, 40, 120, 21}, tk::DateTimePickerArgs{tk::PickerKind::Time, {}});
    int changes = 0;
    date.OnChange = time.OnChange = [&](tk::DateTimePicker&) { ++changes; };
    date.SetDateTime(EncodeDateTime(2026, 12, 8, 10, 0, 0, 0));
    date.SetDateTime(EncodeDateTime(2026, 12, 8, 14, 15, 16, 0)); // the control keeps 10:00:00
    time.SetDateTime(EncodeDateTime(2026, 12, 8, 9, 0, 0, 0));
    time.SetDateTime(EncodeDateTime(2026, 12, 31, 9, 0, 0, 0)); // the control keeps the 8th

    UserPicks(date, EncodeDateTime(2027, 1, 2, 10, 0, 0, 0));
    EXPECT_EQ(date.DateTime(), EncodeDateTime(2027, 1, 2, 14, 15, 16, 0));
    UserPicks(time, EncodeDateTime(2026, 12, 8, 9, 45, 0, 0));
    EXPECT_EQ(time.DateTime(), EncodeDateTime(2026, 12, 31, 9, 45, 0, 0));
    EXPECT_EQ(changes, 2);

    // A report of what the picker already holds is no change.
    UserPicks(time, EncodeDateTime(2026, 12, 8, 9, 45, 0, 0));
    EXPECT_EQ(changes, 2);
}

} // namespace

// The clock's second changes the time picker's text, never its arrows.
TEST_F(PickerKindsTest, ANewTimeRepaintsTheTextButNotTheArrows) {
    tk::DateTimePicker& picker = Add(tk::PickerKind::Time);
    form->Show();
    UpdateWindow(form->Handle());
    tk::Application::Instance().ProcessMessages();
    HWND arrows = FindWindowExA(picker.Handle(), nullptr, UPDOWN_CLASSA, nullptr);
    ASSERT_NE(arrows, nullptr);
    ASSERT_FALSE(GetUpdateRect(arrows, nullptr, FALSE));

    picker.SetDateTime(EncodeDateTime(2026, 12, 8, 10, 0, 1, 0));
    picker.SetDateTime(EncodeDateTime(2026, 12, 8, 10, 0, 2, 0));
    EXPECT_TRUE(GetUpdateRect(picker.Handle(), nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(arrows, nullptr, FALSE));
}
