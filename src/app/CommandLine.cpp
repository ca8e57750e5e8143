#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/ActionIndex.h"
#include "app/CommandLineSplit.h"
#include "app/ListRanges.h"
#include "core/DateTimeText.h"
#include "core/Error.h"
#include "core/IntConv.h"
#include "monitors/ProgramCloseRule.h"

namespace cmdline {
namespace {

// Exact and case-sensitive, in action order.
constexpr std::array<std::string_view, kActionCount> kActionNames = {"turnoff", "reboot", "logoff", "standby",
                                                                     "hibernate"};

std::optional<int> NumberPart(std::string_view part) {
    std::int32_t value = 0;
    if (!core::TryStrToInt(part, value)) return std::nullopt;
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
    target.SetCountdownSpan(core::StrToTime(parts.part1, target.Formats()));
    target.Tick();
    target.SelectCountdownMode();
    target.ToggleTimer();
}

void ApplyTimer(Value value, CommandLineTarget& target) {
    const ValueParts parts = SplitAtComma(value.text);
    const core::TDateTime today = core::DateOf(target.Now());
    if (parts.part2.empty()) {
        target.SetTargetDate(today);
    } else {
        const core::TDateTime date = core::StrToDate(parts.part2, target.Formats(), today);
        const core::TDateTime earliest = target.EarliestDate();
        if (date < earliest) throw core::Error(core::DateIsLessThanMinimumText(earliest, target.Formats()));
        target.SetTargetDate(date);
    }
    target.SetTargetTime(core::StrToTime(parts.part1, target.Formats()));
    // Once only: a time already gone today means tomorrow.
    const core::TDateTime due = target.DateModeTarget();
    core::DateTimeParts nextDay;
    if (core::IsLater(target.Now(), due) && core::TryDecodeDateTime(core::DateOf(due) + 1, nextDay))
        target.SetTargetDate(core::DateOf(due) + 1);
    target.Tick();
    target.SelectDateMode();
    target.ToggleTimer();
}

void ApplyProcess(Value value, CommandLineTarget& target) {
    const std::string refusal = target.ToggleProgramClose(monitors::ExecutableName(value.utf8));
    if (!refusal.empty()) throw core::Error(refusal);
}

// Level and window are rounded down to an item of their lists, as the
// processor-load window is; the adapter's name is taken as it is, present or not.
void ApplyNet(Value value, CommandLineTarget& target) {
    const ThreeParts parts = SplitAtTwoCommas(value.text);
    if (const auto level = NumberPart(parts.part1))
        target.SelectNetLevel(lists::RoundDownToItem(lists::kNetLevels, *level));
    if (const auto seconds = NumberPart(parts.part2))
        target.SelectNetWindow(lists::RoundDownToItem(lists::kNetWindows, *seconds));
    if (!parts.part3.empty()) target.SelectNetAdapter(parts.part3);
    target.ToggleNet();
}

// What of an argument may not hold a blank: all of it, or all before the
// third part of the value, where a quoted adapter name may have blanks.
enum class BlankRule { None, ExceptThirdPart };

struct Option {
    std::string_view name;
    void (*apply)(Value value, CommandLineTarget& target);
    BlankRule blanks = BlankRule::None;
};

// Tested in this order; an argument selects the first whose name begins it.
constexpr std::array<Option, 7> kOptions = {{
    {"-action=", ApplyAction},
    {"-winamp", ApplyWinamp},
    {"-cpu=", ApplyCpu},
    {"-countdown=", ApplyCountdown},
    {"-timer=", ApplyTimer},
    {"-net=", ApplyNet, BlankRule::ExceptThirdPart},
    {"-process=", ApplyProcess},
}};

bool HasBlank(std::string_view text) { return text.find_first_of(" \t") != std::string_view::npos; }

bool BreaksBlankRule(std::string_view argument, const Option& option) {
    if (option.blanks == BlankRule::None) return HasBlank(argument);
    const ThreeParts parts = SplitAtTwoCommas(argument.substr(option.name.size()));
    return HasBlank(parts.part1) || HasBlank(parts.part2);
}

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
        const std::string_view text = arguments[i];
        const std::string_view utf8 = haveUtf8 ? std::string_view(utf8Arguments[i]) : text;
        const auto option = std::find_if(kOptions.begin(), kOptions.end(),
                                         [&](const Option& o) { return text.starts_with(o.name); });
        if (option == kOptions.end() || BreaksBlankRule(text, *option)) continue;
        option->apply(
            {text.substr(option->name.size()), utf8.substr(std::min(option->name.size(), utf8.size()))},
            target);
    }
}

} // namespace cmdline
