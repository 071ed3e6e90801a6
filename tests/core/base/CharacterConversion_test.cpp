#include "core/base/CharacterConversion.h"

#include <gtest/gtest.h>

#include <string>

namespace zek {
namespace {

// Windows-1252 and code page 437/850 bytes of every character recoded.
struct Pair {
    char windows;
    char dos;
};

const Pair kTable[] = {
    {'\xA3', '\x9C'}, {'\xAA', '\xA6'}, {'\xBA', '\xA7'}, {'\xBF', '\xA8'}, {'\xAC', '\xAA'}, {'\xBD', '\xAB'},
    {'\xBC', '\xAC'}, {'\xA1', '\xAD'}, {'\xAB', '\xAE'}, {'\xBB', '\xAF'}, {'\xB5', '\xE6'}, {'\xB1', '\xF1'},
    {'\xF7', '\xF6'}, {'\xB0', '\xF8'}, {'\xB2', '\xFD'}, {'\xDF', '\xE1'}, {'\xC7', '\x80'}, {'\xE7', '\x87'},
    {'\xDC', '\x9A'}, {'\xFC', '\x81'}, {'\xC9', '\x90'}, {'\xE9', '\x82'}, {'\xC4', '\x8E'}, {'\xE4', '\x84'},
    {'\xC5', '\x8F'}, {'\xE5', '\x86'}, {'\xC6', '\x92'}, {'\xE6', '\x91'}, {'\xD6', '\x99'}, {'\xF6', '\x94'},
    {'\xD1', '\xA5'}, {'\xF1', '\xA4'},
};

TEST(CharacterConversionTest, GroesseRoundTrip) {
    const std::string word =
        "Gr\xF6\xDF"
        "e";
    EXPECT_EQ(ConvertInDOS(word),
              "Gr\x94\xE1"
              "e");
    EXPECT_EQ(ConvertInWin(ConvertInDOS(word)), word);
}

// The sequential steps must act like one simultaneous mapping, although
// several targets are sources of other pairs (AA, AC, F1, F6, E6, C4).
TEST(CharacterConversionTest, EveryPairBothWays) {
    std::string windows;
    std::string dos;
    for (const Pair& pair : kTable) {
        EXPECT_EQ(ConvertInDOS(std::string(1, pair.windows)), std::string(1, pair.dos)) << int(pair.windows & 0xFF);
        EXPECT_EQ(ConvertInWin(std::string(1, pair.dos)), std::string(1, pair.windows)) << int(pair.dos & 0xFF);
        windows += pair.windows;
        windows += 'x';
        dos += pair.dos;
        dos += 'x';
    }
    EXPECT_EQ(ConvertInDOS(windows), dos);
    EXPECT_EQ(ConvertInWin(dos), windows);
}

TEST(CharacterConversionTest, DosLineCharactersBecomeHyphenAndEquals) {
    const std::string dos = "\xC4\xC4\xC4 Titel \xCD\xCD";
    EXPECT_EQ(ConvertInWin(dos), "--- Titel ==");
    EXPECT_EQ(ConvertInDOS(ConvertInWin(dos)), "--- Titel ==");
}

TEST(CharacterConversionTest, LiteralPlaceholderIsResolved) {
    EXPECT_EQ(ConvertInDOS("a{OA}b"),
              "a\xA6"
              "b");
    EXPECT_EQ(ConvertInWin("a{NG}b"),
              "a\xAC"
              "b");
}

TEST(CharacterConversionTest, CharactersOutsideTheTableStay) {
    const std::string others = "\xFF\xF8 abc {xy} \r\n\x9D\x8D";
    EXPECT_EQ(ConvertInDOS("\xFF\xF8 abc {xy} \r\n\x9D\x8D"), others);
    EXPECT_EQ(ConvertInWin("\xFF abc {xy} \r\n\x9D\x8D"), "\xFF abc {xy} \r\n\x9D\x8D");
}

TEST(CharacterConversionTest, RoundTripOfAllBytesWithoutPlaceholders) {
    std::string text;
    for (int byte = 1; byte < 256; ++byte) text += static_cast<char>(byte);
    // ConvertInDOS maps the table's Windows bytes and leaves the rest, so a
    // text free of DOS codes of the table (and of the line character 205,
    // Windows "\xCD") comes back unchanged.
    std::string windowsOnly;
    for (char c : text) {
        bool dosCode = false;
        bool windowsCode = false;
        for (const Pair& pair : kTable) {
            dosCode = dosCode || pair.dos == c;
            windowsCode = windowsCode || pair.windows == c;
        }
        if (windowsCode || (!dosCode && c != '\xCD')) windowsOnly += c;
    }
    EXPECT_EQ(ConvertInWin(ConvertInDOS(windowsOnly)), windowsOnly);
}

}  // namespace
}  // namespace zek
