#include "toolkit/DateTimePicker.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "rtl/DateTime.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

using rtl::EncodeDateTime;

class DateTimePickerTest : public testing::Test {
protected:
    void SetUp() override {
        tk::FormArgs args;
        args.name = "DateTimePickerTestForm";
        form = std::make_unique<tk::Form>(args);
    }
    void TearDown() override {
        form.reset();
        tk::Application::Instance().ProcessMessages();
    }

    tk::DateTimePicker& Add(tk::PickerKind kind) {
        return form->Add<tk::DateTimePicker>("Picker", tk::Bounds{8, 8, 120, 21},
                                             tk::DateTimePickerArgs{kind, {}});
    }

    // What the common control itself holds, to the second.
    static rtl::TDateTime InControl(const tk::DateTimePicker& picker) {
        SYSTEMTIME st{};
        SendMessageA(picker.Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
        st.wMilliseconds = 0;
        return tk::FromSystemTime(st);
    }

    // The user changes the control: it reports its whole value.
    void UserPicks(tk::DateTimePicker& picker, rtl::TDateTime value) {
        NMDATETIMECHANGE change{};
        change.nmhdr.hwndFrom = picker.Handle();
        change.nmhdr.idFrom = 0;
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        change.st = tk::ToSystemTime(value);
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    }

    std::unique_ptr<tk::Form> form;
};

TEST_F(DateTimePickerTest, TellsTheControlOnlyOfChangesItShows) {
    struct Case {
        const char* name;
        tk::PickerKind kind;
        rtl::TDateTime first, second;
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

TEST_F(DateTimePickerTest, AUserChangeKeepsTheFieldsThePickerDoesNotShow) {
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
