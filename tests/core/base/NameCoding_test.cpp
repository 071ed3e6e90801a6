#include "core/base/NameCoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zek {
namespace {

TEST(FileNameOf, KeepsOnlyLowerLettersDigitsAndFourSigns) {
    const struct {
        std::string name;
        std::string stem;
    } cases[] = {
        {"Messwerte", "messwerte"},
        {"x'", "x_"},
        {"a(1)", "a(1)"},
        {"Preis$", "preis$"},
        {"1.5", "1_5"},
        {"Gr\xF6\xDF"
         "e",
         "gr__e"},
        {"", ""},
        {"AZaz09$_()", "azaz09$_()"},
        {" .~'-/\\\xC4\xAE\xA0\t", "___________"},
        {"@[`{", "____"},  // the neighbours of the letter ranges
    };
    for (const auto& c : cases) EXPECT_EQ(FileNameOf(c.name), c.stem) << c.name;
}

TEST(FileNameOf, HasTheLengthOfTheNameForEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string stem = FileNameOf(all);
    ASSERT_EQ(stem.size(), all.size());
    for (char c : stem)
        EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$' || c == '_' || c == '(' || c == ')');
}

TEST(TextOf, TurnsTildesIntoBlanksAndBackslashesIntoTheLineBreak) {
    const struct {
        std::string name;
        std::string_view lineBreak;
        std::string text;
    } cases[] = {
        {"Summe~=~", DialogLineBreak, "Summe = "},
        {"Summe~=~", OneLineBreak, "Summe = "},
        {"a\\b", OneLineBreak, "a / b"},
        {"a\\b", DialogLineBreak, "a\r\nb"},
        {"Mein~Test\\2", ProgramNameLineBreak, "Mein Test - 2"},
        {"\\Beginn~der~Berechnung\\\\", DialogLineBreak, "\r\nBeginn der Berechnung\r\n\r\n"},
        {"a/b", DialogLineBreak, "a/b"},  // a stored CR LF stays "/"
        {"", DialogLineBreak, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TextOf(c.name, c.lineBreak), c.text) << c.name;
}

}  // namespace
}  // namespace zek
