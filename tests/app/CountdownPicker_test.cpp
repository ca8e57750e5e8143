// A hand-edited countdown value: the picker shows the span the countdown arms.
#include <windows.h>
#include <commctrl.h>

#include "MainFormTestSupport.h"
#include "core/DateTimeText.h"
#include "core/SettingsFloat.h"

namespace {

struct SpanCase {
    const char* what;
    core::TDateTime stored;
    int hour, minute, second; // the span shown and armed
};

class CountdownPickerTest : public MainFormFixture {
protected:
    // What the common control itself shows, not what the program keeps.
    SYSTEMTIME Shown() {
        SYSTEMTIME st{};
        SendMessageA(form->DateTimePickerReverseTime->Handle(), DTM_GETSYSTEMTIME, 0,
                     reinterpret_cast<LPARAM>(&st));
        return st;
    }
};

TEST_F(CountdownPickerTest, AStoredValueOutsideThePickerShowsTheSpanItArms) {
    const SpanCase cases[] = {
        {"year 1", core::EncodeDateTime(1, 1, 1, 1, 30, 15, 0), 1, 30, 15},
        {"the last millisecond of 9999", core::EncodeDateTime(9999, 12, 31, 23, 59, 59, 999), 23, 59, 59},
        {"far beyond any date", 1e300, 0, 0, 0},
        {"half a day, inside the range", 0.5, 12, 0, 0},
    };
    for (const auto& c : cases) {
        WriteSetting("DateTimePickerReverseTime", core::FormatSettingsFloat(c.stored).c_str());
        Create();
        const SYSTEMTIME shown = Shown();
        EXPECT_EQ(shown.wHour, c.hour) << c.what;
        EXPECT_EQ(shown.wMinute, c.minute) << c.what;
        EXPECT_EQ(shown.wSecond, c.second) << c.what;
        const core::TDateTime armed = core::IncSecond(now, (c.hour * 60 + c.minute) * 60 + c.second);
        EXPECT_EQ(form->PowerOffTimeLabel->Caption(),
                  core::DateText(armed, form->Formats()) + " " + core::TimeText(armed, form->Formats()))
            << c.what;
        form.reset();
        DeleteFileA(settingsFile.c_str());
    }
}

} // namespace
