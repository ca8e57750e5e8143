// Arbitrary bytes as the program's command line: the splitter and the whole
// option parser must stay defined, raise only the runtime's conversion
// errors, and leave every choice inside its list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "../tests/app/CommandLineModel.h"
#include "app/CommandLine.h"
#include "app/CommandLineSplit.h"
#include "app/ListRanges.h"
#include "core/Error.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool AsksForHelp(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (arguments[i] == "-?" || arguments[i] == "/?" || arguments[i] == "-help") return true;
    return false;
}

void CheckSplitAtComma(std::string_view value) {
    const cmdline::ValueParts parts = cmdline::SplitAtComma(value);
    Check(parts.part1.find(',') == std::string::npos);
    Check(parts.part2.find(',') == std::string::npos);
    std::string withoutCommas;
    for (const char c : value)
        if (c != ',') withoutCommas += c;
    Check(parts.part1 + parts.part2 == withoutCommas);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckSplitAtComma(text);

    const std::vector<std::string> arguments = cmdline::SplitCommandLine(text);
    Check(arguments.size() <= size);
    CommandLineModel window;
    try {
        cmdline::ApplyCommandLine(arguments, window);
    } catch (const core::Error& e) {
        Check(e.text().starts_with("'") || e.text().starts_with("Date is less than minimum of "));
    }
    Check(window.action >= 0 && window.action < lists::kActionItemCount);
    Check(window.loadLevel >= 0 && window.loadLevel <= lists::kMaxLoadLevel);
    Check(window.loadWindowItem >= 0 && window.loadWindowItem < lists::kWindowItemCount);
    Check(window.days >= 0 && window.days <= lists::kMaxDays);
    Check(window.span >= 0.0 && window.span < 1.0);
    Check(core::DateOf(window.targetDate) >= window.earliest);
    // Help alone, or no help at all.
    Check(AsksForHelp(arguments) == (window.optionsShown == 1));
    if (window.optionsShown == 1) Check(window.calls.size() == 1);
    return 0;
}
