#include "core/reports/TableNumberFormat.h"

#include <gtest/gtest.h>

#include "support/GermanLocale.h"

namespace zek {
namespace {

struct TableCase {
    double value;
    const char* expected;
};

const TableCase kTableCases[] = {
    {0, "      0"},         {-5, "     -5"},
    {1234567, "1234567"},   {9999998, "9999998"},
    {9999999, " 1.0E07"},   {-999998, "-999998"},
    {-999999, "-1.0E06"},   {3.14159, "    3.1"},
    {0.001, "    0.0"},     {1e-7, "    0.0"},
    {-0.04, "    0.0"},     {-9998.96, "-9999.0"},
    {99998.96, "99999.0"},  {99999.5, " 1.0E05"},
    {-9999.5, "-1.0E04"},   {123456.5, " 1.2E05"},
    {-123456.5, "-1.2E05"}, {1e100, "1.0E100"},
    {-1e100, "*******"},    {-9.96e99, "*******"},
    {-9.94e99, "-9.9E99"},  {1.7976931348623157e308, "1.8E308"},
};

TEST(FormatTableValueTest, ChoosesThePatternBySizeAndWholeness) {
    for (const TableCase& c : kTableCases) {
        EXPECT_EQ(FormatTableValue(c.value), c.expected) << c.value;
    }
}

TEST(FormatTableValueTest, ShowsPointsUnderACommaLocale) {
    const testing::GermanLocale german;
    for (const TableCase& c : kTableCases) {
        EXPECT_EQ(FormatTableValue(c.value), c.expected) << c.value;
    }
}

}  // namespace
}  // namespace zek
