#include <clocale>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "core/base/NumberReading.h"
#include "core/store/ProgramStore.h"

namespace zek {
namespace {

struct NumberCase {
    const char* text;
    double expected;
};

TEST(NumberFromText, ReadsNamesAndGuardsTheExponent) {
    const NumberCase cases[] = {
        {"12abc", 12},
        {"abc", 0},
        {"1.5E3", 1500},
        {"-3,3e6", -3300000},
        {"", 0},
        {"7", 7},
        {"+1.5", 1.5},
        {".5", 0.5},
        {"-.5", -0.5},
        {"1,5", 1.5},
        {"x1", 0},
        {"1x", 1},
        {"1.2.3", 1.2},
        {"+", 0},
        {"-", 0},
        {".", 0},
        {"..", 0},
        {"-0", 0},
        // an exponent marker without digits ends the number
        {"1E", 1},
        {"1E+", 1},
        {"1e-", 1},
        {"D5", 0},
        {"E5", 0},
        {".E5", 0},
        {"1d2", 100},
        {"2,5D-1", 0.25},
        // blanks, tabs and line feeds are skipped wherever they stand; CR is not
        {"- 1 2 . 5 e 1", -125},
        {"1\t2\n3", 123},
        {"1\r2", 1},
        // the guard: |log10 of the mantissa| + exponent >= 308
        {"1E400", 9.9999E306},
        {"-1E400", -9.9999E306},
        {"0E999", 0},
        {"1E308", 9.9999E306},
        {"9E307", 9E307},
        {"0.5E308", 9.9999E306},
        {"1E-400", 0},
        {"1E-310", 1E-310},
        {"abc1E400", 0},
        {"1E99999999999999999999", 9.9999E306},
        // two markers always give the guard value by the first part's sign
        {"1E2E3", 9.9999E306},
        {"-1E2E3", -9.9999E306},
        {"0E2E3", 0},
        {"1E-2E-3", 9.9999E306},
        // three or more: the plain reading up to the second marker
        {"1E2E3E4", 100},
        {"-2,5D1E1E1", -25},
    };
    for (const NumberCase& c : cases) {
        bool overflow = true;
        EXPECT_EQ(NumberFromText(c.text, &overflow), c.expected) << c.text;
        EXPECT_FALSE(overflow) << c.text;
    }
}

TEST(NumberFromText, NoNegativeZero) {
    EXPECT_FALSE(std::signbit(NumberFromText("-0")));
    EXPECT_FALSE(std::signbit(NumberFromText("-0E2E3")));
    EXPECT_FALSE(std::signbit(LeadingNumber("-0.0e5")));
}

TEST(NumberFromText, TextsLongerThan200CharactersReadZero) {
    EXPECT_EQ(NumberFromText(std::string(200, '9')), 1E200);
    EXPECT_EQ(NumberFromText(std::string(201, '9')), 0);
}

TEST(NumberFromText, ThreeMarkersCanOverflowAndReportIt) {
    for (const char* text : {"1E400E1E1", "-1E400E1E1", "0.0000001E400E1E1", "1D999D1D1D1"}) {
        bool overflow = false;
        EXPECT_EQ(NumberFromText(text, &overflow), 0) << text;
        EXPECT_TRUE(overflow) << text;
    }
    bool overflow = true;
    EXPECT_EQ(NumberFromText("1E-400E1E1", &overflow), 0);
    EXPECT_FALSE(overflow) << "an underflow is no fault";
}

TEST(LeadingNumber, ReportsOverflowInsteadOfInfinity) {
    bool overflow = false;
    EXPECT_EQ(LeadingNumber("1E309", &overflow), 0);
    EXPECT_TRUE(overflow);
    EXPECT_EQ(LeadingNumber("1.7976931348623157E308", &overflow), 1.7976931348623157E308);
    EXPECT_FALSE(overflow);
    EXPECT_EQ(LeadingNumber("0.00001e-330", &overflow), 0);
    EXPECT_FALSE(overflow);
    EXPECT_EQ(LeadingNumber("1" + std::string(400, '0'), &overflow), 0);
    EXPECT_TRUE(overflow);
}

TEST(LeadingNumber, IgnoresTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
    const double comma = NumberFromText("1,25");
    const double point = LeadingNumber("1.25");
    const double stopped = LeadingNumber("1,25");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(comma, 1.25);
    EXPECT_EQ(point, 1.25);
    EXPECT_EQ(stopped, 1);
}

TEST(TypedNumber, ReadsBothSeparatorsAndKeepsTheSymbolLimits) {
    EXPECT_EQ(TypedNumber("1,5"), 1.5);
    EXPECT_EQ(TypedNumber("1.5"), 1.5);
    EXPECT_EQ(TypedNumber("1E3"), 1000);
    EXPECT_EQ(TypedNumber("1E400"), 9.999999999999E99);
    EXPECT_EQ(TypedNumber("-1E400"), -9.999999999999E99);
    EXPECT_EQ(TypedNumber("abc"), 0);
    EXPECT_EQ(TypedNumber(""), 0);
}

}  // namespace
}  // namespace zek
