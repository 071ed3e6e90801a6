#include "core/base/Encoding1252.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

TEST(Encoding1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8To1252(Utf8From1252(all)), all);
}

TEST(Encoding1252, MapsTheSpecialRangeAndLatin1) {
    EXPECT_EQ(Utf8From1252("\x80"), "\u20AC");
    EXPECT_EQ(Utf8From1252("\x84\x93"), "\u201E\u201C");
    EXPECT_EQ(Utf8From1252("Gr\xF6\xDF"
                           "e \xB6\xAE\xB0"),
              "Gr\u00F6\u00DFe \u00B6\u00AE\u00B0");
}

TEST(Encoding1252, UnrepresentableAndMalformedInputBecomesTheReplacementByte) {
    EXPECT_EQ(Utf8To1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8To1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8To1252("\xFF\xFE"), "??");
}

}  // namespace
}  // namespace zek
