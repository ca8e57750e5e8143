#include "core/PercentEncoding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

TEST(PercentEncoding, EveryByteOutsideTheUnreservedSetIsEncodedAndComesBack) {
    const std::string unreserved = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~";
    for (int c = 0; c < 256; ++c) {
        const std::string one(1, static_cast<char>(c));
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%02X", c);
        const std::string expected = unreserved.find(one) != std::string::npos ? one : hex;
        EXPECT_EQ(core::PercentEncode(one), expected) << c;
        EXPECT_EQ(core::PercentDecode(expected), one) << c;
    }
}

TEST(PercentEncoding, DecodingKeepsWhatIsNoEscape) {
    const std::pair<std::string, std::string> cases[] = {
        {"Caf%C3%A9.ini", "Caf\xC3\xA9.ini"},
        {"%c3%a9", "\xC3\xA9"},
        {"50%", "50%"},
        {"%4", "%4"},
        {"%G1x", "%G1x"},
        {"%%41", "%A"},
    };
    for (const auto& [text, bytes] : cases) EXPECT_EQ(core::PercentDecode(text), bytes) << text;
}

} // namespace
