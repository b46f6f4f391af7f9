#include "NumberText.h"

#include "DesignCsvReader.h"
#include "DesignCsvWriter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

bool SameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    }
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct DoubleCase {
    const char* text;
    std::optional<double> expected;
};

TEST(NumberTextTest, ParseLeadingDoubleReadsTheLongestNumberThatBeginsTheText) {
    const DoubleCase cases[] = {
        {"3.5", 3.5},          {" \t\n\v\f\r-8.10x", -8.1},
        {"+.5", 0.5},          {"5.", 5.0},
        {"1,5", 1.0},          {"12;34", 12.0},
        {"1e3", 1000.0},       {"1E-2", 0.01},
        {"1e", 1.0},           {"1e+", 1.0},
        {"2e+3z", 2000.0},     {"0x1p3", 8.0},
        {"-0X1.8P1", -3.0},    {"0x.8", 0.5},
        {"0x", 0.0},           {"0xg", 0.0},
        {"0xinf", 0.0},        {"inf", kInf},
        {"-Infinity", -kInf},  {"infinit", kInf},
        {"1e400", kInf},       {"-1e400", -kInf},
        {"0x1p1024", kInf},    {"1e-400", 0.0},
        {"-1e-400", -0.0},     {"0e99999999999", 0.0},
        {"", std::nullopt},    {"   ", std::nullopt},
        {".", std::nullopt},   {"-.e1", std::nullopt},
        {"e5", std::nullopt},  {"--5", std::nullopt},
        {"+-5", std::nullopt}, {"- 5", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const DoubleCase& c : cases) {
        const std::optional<double> got = ParseLeadingDouble(c.text);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_TRUE(SameDouble(*got, *c.expected)) << '"' << c.text << "\" gave " << *got;
        }
    }
    EXPECT_TRUE(std::isnan(*ParseLeadingDouble("nan(123)")));
    EXPECT_TRUE(std::signbit(*ParseLeadingDouble("-nan")));
    EXPECT_EQ(LeadingDoubleOrZero("no number"), 0.0);
}

// The C library in the "C" locale is the reference, down to the last bit.
// Only a whole number with one decimal comma is one; anything else is left
// to the ordinary reading.
TEST(NumberTextTest, ParseDecimalCommaNumberTakesOnlyAWholeNumberWithOneComma) {
    const DoubleCase cases[] = {
        {"3,75", 3.75},      {" -1,5e1 ", -15.0},       {"+,5", 0.5},
        {"2,", 2.0},         {"0,125E-1", 0.0125},      {"3.75", std::nullopt},
        {"3", std::nullopt}, {"1,234.5", std::nullopt}, {"1,2,3", std::nullopt},
        {",", std::nullopt}, {"3,75 in", std::nullopt}, {"3,7e", std::nullopt},
        {"", std::nullopt},  {"-,e1", std::nullopt},
    };
    for (const DoubleCase& c : cases) {
        const std::optional<double> got = ParseDecimalCommaNumber(c.text);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_EQ(*got, *c.expected) << '"' << c.text << '"';
        }
    }
}

// Lengths as woodworkers type them; a mistyped fraction is refused rather
// than read as the whole number in front of it.
TEST(NumberTextTest, ParseLeadingLengthReadsDecimalsAndFractions) {
    const DoubleCase cases[] = {
        {"9.5", 9.5},
        {"3.5abc", 3.5},
        {"9 1/2", 9.5},
        {"9-1/2", 9.5},
        {"3/4", 0.75},
        {" 9\t 1/2 in", 9.5},
        {"-3/4", -0.75},
        {"-9 1/2", -9.5},
        {"+9-1/2", 9.5},
        {"0/4", 0.0},
        {"9 5/4", 10.25},
        {"1/3", 1.0 / 3.0},
        {"09 01/02", 9.5},
        {"9,5", 9.5},
        {"-0,25mm", -0.25},
        {"1e1", 10.0},
        {"9 ", 9.0},
        {"9 1", 9.0},
        {"9 1/", 9.0},
        {"3/", 3.0},
        {"9-", 9.0},
        {"9 - x", 9.0},
        {"9 1/2 3/4", 9.5},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1/0", std::nullopt},
        {"9 1/0", std::nullopt},
        {"0/0", std::nullopt},
        {"9 -1/2", std::nullopt},
        {"9 - 1/2", std::nullopt},
        {"9--1/2", std::nullopt},
        {"9 +1/2", std::nullopt},
        {"1/-2", std::nullopt},
        {"1/+2", std::nullopt},
        {"9 1/-2", std::nullopt},
        {"1/2/3", std::nullopt},
        {"9 1/2/3", std::nullopt},
        {"1.5/2", std::nullopt},
        {"1/2.5", std::nullopt},
        {"9.5 1/2", std::nullopt},
        {"1e2/3", std::nullopt},
        {"0x1/2", std::nullopt},
        {"9,5 1/2", std::nullopt},
        {"1,5/2", std::nullopt},
        {"3/4,5", std::nullopt},
        {"- 3/4", std::nullopt},
        {"/2", std::nullopt},
        {"--3/4", std::nullopt},
    };
    for (const DoubleCase& c : cases) {
        const std::optional<double> got = ParseLeadingLength(c.text);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_EQ(*got, *c.expected) << '"' << c.text << '"';
        }
    }
}

TEST(NumberTextTest, ParseLeadingDoubleAgreesWithStrtodInTheCLocale) {
    ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    const char* inputs[] = {
        "0.1",
        "51.428571428571431",
        "388.79999999999995",
        "1.7976931348623157e308",
        "1.7976931348623159e308",
        "2.2250738585072011e-308",
        "4.9e-324",
        "2.4e-324",
        "2.5e-324",
        "1e-310",
        "0x1.fffffffffffff8p1023",
        "0x1p-1074",
        "0x1p-1075",
        "123456789012345678901234567890",
        "0.000000000000000000000000000000000000000000000000000000000000000000000001e-250",
        "9007199254740993",
        "-0.0",
    };
    for (const char* input : inputs) {
        char* end = nullptr;
        const double reference = std::strtod(input, &end);
        ASSERT_NE(end, input);
        const std::optional<double> got = ParseLeadingDouble(input);
        ASSERT_TRUE(got) << input;
        EXPECT_TRUE(SameDouble(*got, reference)) << input;
    }
}

struct IntCase {
    const char* text;
    std::optional<int> expected;
};

TEST(NumberTextTest, ParseLeadingIntStopsAtTheFirstNonDigitAndSaturates) {
    const IntCase cases[] = {
        {"42", 42},
        {"  -12abc", -12},
        {"+7", 7},
        {"1.9", 1},
        {"007", 7},
        {"2147483647", kIntMax},
        {"2147483648", kIntMax},
        {"99999999999999999999", kIntMax},
        {"-2147483648", kIntMin},
        {"-99999999999999999999", kIntMin},
        {"", std::nullopt},
        {"x1", std::nullopt},
        {"+-3", std::nullopt},
        {"- 3", std::nullopt},
    };
    for (const IntCase& c : cases) {
        EXPECT_EQ(ParseLeadingInt(c.text), c.expected) << '"' << c.text << '"';
        EXPECT_EQ(LeadingIntOrZero(c.text), c.expected.value_or(0)) << '"' << c.text << '"';
    }
}

struct HexCase {
    const char* text;
    Argb expected;
};

TEST(NumberTextTest, StrToUl16FollowsStrtoulWithThirtyTwoBits) {
    const HexCase cases[] = {
        {"FF8B4513", 0xFF8B4513u},
        {"ff8b4513", 0xFF8B4513u},
        {"0xFF8B4513", 0xFF8B4513u},
        {"0Xff8b4513", 0xFF8B4513u},
        {" \t+0x1F", 0x1Fu},
        {"8B4513", 0x008B4513u},
        {"12g3", 0x12u},
        {"100000000", 0xFFFFFFFFu},
        {"FFFFFFFFFFFFFFFFFFFF", 0xFFFFFFFFu},
        {"-1", 0xFFFFFFFFu},
        {"-FFFFFFFF", 0x1u},
        {"-100000000", 0xFFFFFFFFu},
        {"0x", 0u},
        {"0xg", 0u},
        {"g", 0u},
        {"", 0u},
        {"--1", 0u},
    };
    for (const HexCase& c : cases) {
        EXPECT_EQ(LeadingHexColor(c.text), c.expected) << '"' << c.text << '"';
    }
}

struct FormatCase {
    double value;
    const char* fixed2;
    const char* g15;
};

// Each expectation is also checked against printf in the "C" locale.
TEST(NumberTextTest, FormattingMatchesPrintf) {
    const FormatCase cases[] = {
        {3.5, "3.50", "3.5"},
        {8.1, "8.10", "8.1"},
        {0.1 + 0.2, "0.30", "0.3"},
        {1e20, "100000000000000000000.00", "1e+20"},
        {1e-5, "0.00", "1e-05"},
        {123456789012345678.0, "123456789012345680.00", "1.23456789012346e+17"},
        {168.0, "168.00", "168"},
        {360.0 / 7, "51.43", "51.4285714285714"},
        {0.005, "0.01", "0.005"},
        {0.125, "0.12", "0.125"},
        {0.375, "0.38", "0.375"},
        {2.675, "2.67", "2.675"},
        {-0.001, "-0.00", "-0.001"},
        {-0.0, "-0.00", "-0"},
        {kInf, "inf", "inf"},
        {-kInf, "-inf", "-inf"},
    };
    for (const FormatCase& c : cases) {
        char reference[512];
        std::snprintf(reference, sizeof reference, "%.2f", c.value);
        EXPECT_EQ(FormatFixed2(c.value), c.fixed2);
        EXPECT_EQ(FormatFixed2(c.value), reference);
        std::snprintf(reference, sizeof reference, "%.*g", 15, c.value);
        EXPECT_EQ(FormatG15(c.value), c.g15);
        EXPECT_EQ(FormatG15(c.value), reference);
    }
    EXPECT_EQ(FormatFixed2(1.7976931348623157e308).size(), 309u + 3u);
}

TEST(NumberTextTest, FormatHex8IsEightUpperCaseDigits) {
    EXPECT_EQ(FormatHex8(0u), "00000000");
    EXPECT_EQ(FormatHex8(0xabcu), "00000ABC");
    EXPECT_EQ(FormatHex8(0xFF8B4513u), "FF8B4513");
    EXPECT_EQ(FormatHex8(0xFFFFFFFFu), "FFFFFFFF");
}

// Sets a locale with a decimal comma for the life of the object, if the
// machine has one; restores the previous locale afterwards.
class DecimalCommaLocale {
public:
    DecimalCommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                name_ = name;
                return;
            }
        }
    }
    ~DecimalCommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    const std::string& name() const { return name_; }

private:
    std::string previous_;
    std::string name_;
};

TEST(NumberTextTest, NumbersIgnoreTheUserLocale) {
    DecimalCommaLocale locale;
    if (locale.name().empty()) {
        GTEST_SKIP() << "no German or French locale installed (locale-gen de_DE.UTF-8)";
    }
    char localized[32];
    std::snprintf(localized, sizeof localized, "%.2f", 3.5);
    ASSERT_STREQ(localized, "3,50") << "locale " << locale.name() << " has no decimal comma";

    EXPECT_EQ(ParseLeadingDouble("3.5"), 3.5);
    EXPECT_EQ(ParseLeadingDouble("3,5"), 3.0);
    EXPECT_EQ(ParseLeadingLength("9 1/2"), 9.5);
    EXPECT_EQ(ParseLeadingLength("3.5"), 3.5);
    EXPECT_EQ(FormatFixed2(3.5), "3.50");
    EXPECT_EQ(FormatG15(0.25), "0.25");

    BowlModel model;
    const std::string file = WriteDesignCsv(model, "2026-12-08");
    EXPECT_NE(file.find("\r\nID,3.50\r\nOD,8.10\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n0.00,168.00,0.00,360.00,0,0;0,"), std::string::npos);
    BowlModel opened = model;
    opened.ID = 0.0;
    ASSERT_TRUE(ReadDesignCsv(file, opened).ok);
    EXPECT_EQ(opened.ID, 3.5);
    EXPECT_EQ(opened.SegmentTable[1].OuterRadius, 195.6);
}

}  // namespace
}  // namespace corvane
