#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/ActionIndex.h"
#include "app/CommandLineSplit.h"
#include "app/ListRanges.h"
#include "monitors/ProgramCloseRule.h"
#include "rtl/DateTimeText.h"
#include "rtl/Error.h"
#include "rtl/IntConv.h"

namespace cmdline {
namespace {

// Exact and case-sensitive, in action order.
constexpr std::array<std::string_view, kActionCount> kActionNames = {"turnoff", "reboot", "logoff", "standby",
                                                                     "hibernate"};

std::optional<int> NumberPart(std::string_view part) {
    std::int32_t value = 0;
    if (!rtl::TryStrToInt(part, value)) return std::nullopt;
    return value;
}

// An option's value; `utf8` is the same text as UTF-8 (or the ANSI text
// when the UTF-8 arguments were not given).
struct Value {
    std::string_view text;
    std::string_view utf8;
};

void ApplyAction(Value value, CommandLineTarget& target) {
    const auto found = std::find(kActionNames.begin(), kActionNames.end(), value.text);
    if (found != kActionNames.end()) target.SelectAction(static_cast<int>(found - kActionNames.begin()));
}

void ApplyWinamp(Value, CommandLineTarget& target) { target.ToggleWinamp(); }

void ApplyCpu(Value value, CommandLineTarget& target) {
    const ValueParts parts = SplitAtComma(value.text);
    if (const auto level = NumberPart(parts.part1))
        target.SelectLoadLevel(std::clamp(*level, 0, lists::kMaxLoadLevel));
    if (const auto seconds = NumberPart(parts.part2)) {
        // Rounded down to a whole step: 5 to 9 seconds are the first item.
        const int clamped =
            std::clamp(*seconds, lists::WindowSeconds(0), lists::WindowSeconds(lists::kWindowItemCount - 1));
        target.SelectLoadWindowItem(clamped / lists::kWindowStepSeconds - 1);
    }
    target.ToggleCpu();
}

void ApplyCountdown(Value value, CommandLineTarget& target) {
    const ValueParts parts = SplitAtComma(value.text);
    const auto days = NumberPart(parts.part2);
    target.SelectDays(days ? std::clamp(*days, 0, lists::kMaxDays) : 0);
    target.SetCountdownSpan(rtl::StrToTime(parts.part1, target.Formats()));
    target.Tick();
    target.SelectCountdownMode();
    target.ToggleTimer();
}

void ApplyTimer(Value value, CommandLineTarget& target) {
    const ValueParts parts = SplitAtComma(value.text);
    const rtl::TDateTime today = rtl::DateOf(target.Now());
    if (parts.part2.empty()) {
        target.SetTargetDate(today);
    } else {
        const rtl::TDateTime date = rtl::StrToDate(parts.part2, target.Formats(), today);
        const rtl::TDateTime earliest = target.EarliestDate();
        if (date < earliest) throw rtl::Error(rtl::DateIsLessThanMinimumText(earliest, target.Formats()));
        target.SetTargetDate(date);
    }
    target.SetTargetTime(rtl::StrToTime(parts.part1, target.Formats()));
    // Once only: a time already gone today means tomorrow.
    const rtl::TDateTime due = target.DateModeTarget();
    rtl::DateTimeParts nextDay;
    if (rtl::IsLater(target.Now(), due) && rtl::TryDecodeDateTime(rtl::DateOf(due) + 1, nextDay))
        target.SetTargetDate(rtl::DateOf(due) + 1);
    target.Tick();
    target.SelectDateMode();
    target.ToggleTimer();
}

void ApplyProcess(Value value, CommandLineTarget& target) {
    const std::string refusal = target.ToggleProgramClose(monitors::ExecutableName(value.utf8));
    if (!refusal.empty()) throw rtl::Error(refusal);
}

struct Option {
    std::string_view name;
    void (*apply)(Value value, CommandLineTarget& target);
};

// Tested in this order; an argument selects the first whose name begins it.
constexpr std::array<Option, 6> kOptions = {{
    {"-action=", ApplyAction},
    {"-winamp", ApplyWinamp},
    {"-cpu=", ApplyCpu},
    {"-countdown=", ApplyCountdown},
    {"-timer=", ApplyTimer},
    {"-process=", ApplyProcess},
}};

bool HasBlank(std::string_view argument) { return argument.find_first_of(" \t") != std::string_view::npos; }

bool AsksForHelp(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin() + 1, arguments.end(), [](const std::string& argument) {
        return std::find(kHelpRequests.begin(), kHelpRequests.end(), argument) != kHelpRequests.end();
    });
}

} // namespace

void ApplyCommandLine(const std::vector<std::string>& arguments, CommandLineTarget& target,
                      const std::vector<std::string>& utf8Arguments) {
    const bool haveUtf8 = utf8Arguments.size() == arguments.size();
    if (arguments.size() <= 1) return;
    if (AsksForHelp(arguments)) {
        target.ShowOptions();
        return;
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (HasBlank(arguments[i])) continue;
        const std::string_view text = arguments[i];
        const std::string_view utf8 = haveUtf8 ? std::string_view(utf8Arguments[i]) : text;
        for (const Option& option : kOptions) {
            if (text.starts_with(option.name)) {
                option.apply(
                    {text.substr(option.name.size()), utf8.substr(std::min(option.name.size(), utf8.size()))},
                    target);
                break;
            }
        }
    }
}

} // namespace cmdline
