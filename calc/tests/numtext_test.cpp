#include "calc/numtext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

struct Accepted {
    const char* text;
    char32_t separator;
    double value;
};

class ParseAccepted : public testing::TestWithParam<Accepted> {};

TEST_P(ParseAccepted, ReadsTheValue) {
    const std::optional<double> v = parseNumber(GetParam().text, GetParam().separator);
    ASSERT_TRUE(v) << GetParam().text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*v), std::bit_cast<std::uint64_t>(GetParam().value))
        << GetParam().text << " read as " << *v;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseAccepted,
    testing::Values(
        // every default text, with either separator
        Accepted{"18.4", U'.', 18.4}, Accepted{"6.79", U'.', 6.79}, Accepted{"60.88", U'.', 60.88},
        Accepted{"3.49", U'.', 3.49}, Accepted{"9.46", U'.', 9.46}, Accepted{"0.7", U',', 0.7},
        Accepted{"0.33", U',', 0.33}, Accepted{"23570.0", U',', 23570.0},
        Accepted{"1.4", U'.', 1.4}, Accepted{"0.9", U'.', 0.9},
        // the user's separator, and '.' beside it
        Accepted{"0,33", U',', 0.33}, Accepted{"23570", U',', 23570.0},
        // signs, exponents, bare points
        Accepted{"-10", U'.', -10.0}, Accepted{"+2.5", U'.', 2.5}, Accepted{"1e3", U'.', 1000.0},
        Accepted{"1.5E-2", U'.', 0.015}, Accepted{"2,5e+1", U',', 25.0}, Accepted{".5", U'.', 0.5},
        Accepted{"5.", U'.', 5.0}, Accepted{"-0", U'.', -0.0}, Accepted{"007", U'.', 7.0},
        // blanks around it
        Accepted{"  18.4\t", U'.', 18.4}, Accepted{"\u300018.4\u3000", U'.', 18.4},
        // full-width forms typed by a Chinese input method
        Accepted{"１８．４", U'.', 18.4}, Accepted{"－０．３３", U',', -0.33},
        Accepted{"＋１Ｅ２", U'.', 100.0}, Accepted{"２ｅ－１", U'.', 0.2},
        // too small for a double: the nearest double
        Accepted{"1e-400", U'.', 0.0}, Accepted{"-1e-99999999999999999999", U'.', -0.0},
        Accepted{"4e-324", U'.', 4.9406564584124654e-324},
        Accepted{"0.0000000000000000000000000000000001e-300", U'.', 0.0},
        Accepted{"1.7976931348623157e308", U'.', 1.7976931348623157e308}));

struct Rejected {
    const char* text;
    char32_t separator;
};

class ParseRejected : public testing::TestWithParam<Rejected> {};

TEST_P(ParseRejected, IsNotANumber) {
    EXPECT_FALSE(parseNumber(GetParam().text, GetParam().separator)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseRejected,
    testing::Values(
        Rejected{"", U'.'}, Rejected{"   ", U'.'}, Rejected{"\u3000", U','}, Rejected{"abc", U'.'},
        Rejected{"18.4%", U'.'}, Rejected{"１８.４Ａ", U'.'},
        // digit grouping is never taken for a decimal point
        Rejected{"23,570", U'.'}, Rejected{"1,5", U'.'}, Rejected{"1.234,5", U','},
        Rejected{"1 000", U'.'}, Rejected{"1.2.3", U'.'},
        // malformed signs and exponents
        Rejected{"+", U'.'}, Rejected{"-", U'.'}, Rejected{".", U'.'}, Rejected{"+-1", U'.'},
        Rejected{"1e", U'.'}, Rejected{"1e+", U'.'}, Rejected{"e5", U'.'}, Rejected{"1e5.0", U'.'},
        Rejected{"1-", U'.'}, Rejected{"--1", U'.'},
        // values that are no finite double
        Rejected{"inf", U'.'}, Rejected{"-INF", U'.'}, Rejected{"Infinity", U'.'},
        Rejected{"nan", U'.'}, Rejected{"NaN", U','}, Rejected{"0x1p3", U'.'},
        Rejected{"1e309", U'.'}, Rejected{"-1e400", U'.'}, Rejected{"1e99999999999999999999", U'.'},
        Rejected{"17976931348623159077293051907890247336179769789423065727343008115773267580550096"
                 "31327084773224075360211201138798713933576587897688144166224928474306394741243777"
                 "67893424865485276302219601246094119453082952085005768838150682342462881473913110"
                 "540827237163350510684586298239947245938479716304835356329624224137216",
                 U'.'},
        // other characters
        Rejected{"1\n", U'.'},
        Rejected{"\xE2\x80\xAE"
                 "1",
                 U'.'},
        Rejected{"1\xFF", U'.'}, Rejected{"\xC0\xB1", U'.'}, Rejected{"１８\xEF\xBC", U'.'}));

TEST(ParseNumber, DoublesBeyondTheLargestAreTooLargeAndBelowTheSmallestRoundToZero) {
    // Just past DBL_MAX's rounding boundary is an overflow; just past half the
    // smallest subnormal rounds to it.
    EXPECT_FALSE(parseNumber("1.797693134862315808e308", U'.'));
    EXPECT_EQ(parseNumber("2.4703282292062328e-324", U'.'),
              std::numeric_limits<double>::denorm_min());
}

struct Formatted {
    double value;
    char32_t separator;
    const char* text;
};

class FormatNumber : public testing::TestWithParam<Formatted> {};

TEST_P(FormatNumber, WritesTheShortestGeneralForm) {
    EXPECT_EQ(formatNumber(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatNumber,
                         testing::Values(Formatted{87.28481783477017, U'.', "87.28481783477017"},
                                         Formatted{86.55616282714003, U',', "86,55616282714003"},
                                         Formatted{41.4, U'\u066B', "41\u066B4"},
                                         Formatted{-3.0, U'.', "-3"},
                                         Formatted{0.0001, U'.', "0.0001"},
                                         Formatted{1e-5, U',', "1e-05"},
                                         Formatted{1.5e20, U',', "1,5e+20"}));

// Every finite double survives the trip to text and back, with either separator.
TEST(FormatNumber, ReadsBackToTheSameDouble) {
    std::mt19937_64 rng(7);
    for (int n = 0; n < 100000; ++n) {
        const double v = std::bit_cast<double>(rng());
        if (!std::isfinite(v))
            continue;
        for (char32_t sep : {U'.', U','}) {
            const std::optional<double> back = parseNumber(formatNumber(v, sep), sep);
            ASSERT_TRUE(back) << formatNumber(v, sep);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(*back), std::bit_cast<std::uint64_t>(v))
                << formatNumber(v, sep);
        }
    }
}

TEST(QuoteForMessage, KeepsShortTextAsTyped) {
    EXPECT_EQ(quoteForMessage("0,33"), "0,33");
    EXPECT_EQ(quoteForMessage("收到基硫"), "收到基硫");
}

TEST(QuoteForMessage, NeutralisesCharactersThatWouldGarbleTheMessage) {
    EXPECT_EQ(quoteForMessage("1\n2\t3"), "1\uFFFD2\uFFFD3");
    EXPECT_EQ(quoteForMessage("\xE2\x80\xAE"
                              "abc\xE2\x81\xA6"),
              "\uFFFDabc\uFFFD");
    EXPECT_EQ(quoteForMessage("a\xFF"
                              "b\xE4\xB8"),
              "a\uFFFDb\uFFFD\uFFFD");
}

TEST(QuoteForMessage, CutsLongTextByCharactersNotBytes) {
    const std::string longText(1 << 20, 'x');
    EXPECT_EQ(quoteForMessage(longText, 5), "xxxxx\u2026");
    std::string han;
    for (int i = 0; i < 50; ++i)
        han += "硫";
    const std::string cut = quoteForMessage(han, 3);
    EXPECT_EQ(cut, "硫硫硫\u2026");
    EXPECT_EQ(quoteForMessage(longText).size(), 40 + std::string("\u2026").size());
}

} // namespace
