// The settings float both ways: any text reads as a finite number that no
// trailing line end changes, and any double is written in the fixed 23-character
// form that reads back to within its 15 significant digits, and again to the same text.
#include "core/SettingsFloat.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

constexpr std::size_t kFormattedLength = 23;
constexpr std::size_t kExponentAt = 17; // " d.ddddddddddddddE+dddd"
// Fifteen significant digits leave at most half a unit of the fifteenth, plus the rounding of a double.
constexpr double kRelativeError = 5.1e-15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void CheckShape(const std::string& text) {
    Check(text.size() == kFormattedLength);
    Check(text[0] == ' ' || text[0] == '-');
    Check(IsDigit(text[1]) && text[2] == '.');
    for (std::size_t i = 3; i < kExponentAt; ++i) Check(IsDigit(text[i]));
    Check(text[kExponentAt] == 'E');
    Check(text[kExponentAt + 1] == '+' || text[kExponentAt + 1] == '-');
    for (std::size_t i = kExponentAt + 2; i < kFormattedLength; ++i) Check(IsDigit(text[i]));
}

void CheckWriting(double value) {
    const std::string text = core::FormatSettingsFloat(value);
    CheckShape(text);
    const double back = core::ParseSettingsFloat(text);
    if (!std::isfinite(value)) {
        Check(back == 0.0);
        return;
    }
    Check(std::fabs(back - value) <= kRelativeError * std::fabs(value));
    Check(core::FormatSettingsFloat(back) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double read = core::ParseSettingsFloat(text);
    Check(std::isfinite(read));
    // A line end can never continue a number.
    Check(core::ParseSettingsFloat(text + "\n") == read);

    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckWriting(value);
    }
    CheckWriting(read);
    return 0;
}
