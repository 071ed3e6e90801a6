#include "core/base/NumberFormat.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <locale>
#include <string>

#include "support/GermanLocale.h"

namespace zek {
namespace {

struct PictureCase {
    double value;
    const char* pattern;
    const char* expected;
};

const PictureCase kPictureCases[] = {
    // Integers: leading "#" vanish, more digits than placeholders all shown.
    {0, "######0", "0"},
    {-5, "######0", "-5"},
    {1234567, "######0", "1234567"},
    {123456789012.0, "######0", "123456789012"},
    {1e20, "######0", "100000000000000000000"},
    {7, "0000", "0007"},
    {12345, "0000", "12345"},
    {42, "000000", "000042"},
    {0, "###########0", "0"},
    {1000000, "###########0", "1000000"},
    {102, "###0", "102"},
    {12345, "#0", "12345"},
    {2.5, "#0", "3"},
    {-2.5, "#0", "-3"},
    {0.4, "##0", "0"},
    // One decimal; values rounding to zero show no minus sign.
    {3.14159, "####0.0", "3.1"},
    {0.001, "####0.0", "0.0"},
    {1e-7, "####0.0", "0.0"},
    {-0.04, "####0.0", "0.0"},
    {-0.05, "####0.0", "-0.1"},
    {-9998.96, "####0.0", "-9999.0"},
    {99998.96, "####0.0", "99999.0"},
    {99999.96, "####0.0", "100000.0"},
    {0.25, "####0.0", "0.3"},
    {-0.0, "####0.0", "0.0"},
    // printn's pictures.
    {3.14159, "####0.00", "3.14"},
    {123.456, "#0.00", "123.46"},
    {2.675, "#0.00", "2.68"},
    {0.125, "#0.00", "0.13"},
    {5, "#0.000", "5.000"},
    {0.999, "#0.00", "1.00"},
    // Trailing "#" after the point drop trailing zeros down to the "0"s.
    {0, "###0.0000############", "0.0000"},
    {0.0011, "###0.0###############", "0.0011"},
    {9999.5, "###0.0###############", "9999.5"},
    {1234.1, "###0.0###############", "1234.1"},
    {5, "###0.0###############", "5.0"},
    {1.0 / 3.0, "###0.0###############", "0.3333333333333333"},
    {0.1 + 0.2, "###0.0###############", "0.3"},
    {0.1 + 0.2, "###0.0################", "0.30000000000000004"},
    {-0.5, "###0.0###############", "-0.5"},
    // Exponent forms: mantissa normalised to the pattern's integer digits.
    {123456.5, "#.0E+00", "1.2E+05"},
    {-123456.5, "#.0E+00", "-1.2E+05"},
    {-3e12, "#.0E+00", "-3.0E+12"},
    {1e100, "#.0E+00", "1.0E+100"},
    {9.96, "#.0E+00", "1.0E+01"},
    {99999.5, "#.0E+00", "1.0E+05"},
    {9999999, "#.0E+00", "1.0E+07"},
    {1.7976931348623157e308, "#.0E+00", "1.8E+308"},
    {0.001, "#.0E+00", "1.0E-03"},
    {0.001, "#.0E-00", "1.0E-03"},
    {1234, "#.0E-00", "1.2E03"},
    {0.001, "#.0000##########E+00", "1.0000E-03"},
    {10000, "#.0000##########E+00", "1.0000E+04"},
    {12345, "#.0000##########E+00", "1.2345E+04"},
    {1234567.891, "#.0000##########E+00", "1.234567891E+06"},
    {-1e-300, "#.0000##########E+00", "-1.0000E-300"},
    {0, "#.0000##########E+00", "0.0000E+00"},
    {0, "#.0E+00", "0.0E+00"},
    {9.99999, "#.0000##########E+00", "9.99999E+00"},
    {1234.5, "##0.0E+00", "123.5E+01"},
    {5, "#.0E+0", "5.0E+0"},
};

TEST(FormatPictureTest, AllPatternsOfTheSystem) {
    for (const PictureCase& c : kPictureCases) {
        EXPECT_EQ(FormatPicture(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
    }
}

TEST(FormatPictureTest, IgnoresTheLocale) {
    const testing::GermanLocale german;
    for (const PictureCase& c : kPictureCases) {
        EXPECT_EQ(FormatPicture(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
    }
}

struct GeneralCase {
    double value;
    const char* expected;
};

const GeneralCase kGeneralCases[] = {
    {0, "0"},
    {-0.0, "0"},
    {0.5, "0.5"},
    {-2.5, "-2.5"},
    {1234567, "1234567"},
    {1e20, "1E+20"},
    {1.5e-7, "1.5E-07"},
    {0.0001, "0.0001"},
    {0.00001, "1E-05"},
    {123456789012345.0, "123456789012345"},
    {1e15, "1E+15"},
    {1.0 / 3.0, "0.333333333333333"},
    {0.1 + 0.2, "0.3"},
    {-9.999999999999e99, "-9.999999999999E+99"},
    {1e100, "1E+100"},
    {-1.7976931348623157e308, "-1.79769313486232E+308"},
    {4.9406564584124654e-324, "4.94065645841247E-324"},
};

TEST(GeneralNumberTest, ShortestFormWithExponentForExtremes) {
    for (const GeneralCase& c : kGeneralCases) EXPECT_EQ(GeneralNumber(c.value), c.expected) << c.value;
    const testing::GermanLocale german;
    for (const GeneralCase& c : kGeneralCases) EXPECT_EQ(GeneralNumber(c.value), c.expected) << c.value;
}

TEST(GeneralNumberTest, ReadsBackExactlyUpToFifteenDigits) {
    const double values[] = {0.1,     123.456,           -98765.4321,          1e-300,
                             2.5e299, 999999999999999.0, 0.000123456789012345, 3.14159265358979};
    for (double value : values) {
        const std::string text = GeneralNumber(value);
        double read = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), read);
        EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
        EXPECT_EQ(read, value) << text;
        EXPECT_LE(text.size(), 22u);
    }
}

TEST(PaddingTest, PadRightPadsAndCuts) {
    EXPECT_EQ(PadRight("abc", 5), "abc  ");
    EXPECT_EQ(PadRight("abcdefgh", 5), "abcde");
    EXPECT_EQ(PadRight("", 3), "   ");
    EXPECT_EQ(PadRight("abc", 0), "");
}

TEST(PaddingTest, PadLeftKeepsTheRightmostCharacters) {
    EXPECT_EQ(PadLeftKeepRight("42", 5), "   42");
    EXPECT_EQ(PadLeftKeepRight("1234567890123", 12), "234567890123");
    EXPECT_EQ(PadLeftKeepRight("abc", 3), "abc");
    EXPECT_EQ(PadLeftKeepRight("", 2), "  ");
}

}  // namespace
}  // namespace zek
