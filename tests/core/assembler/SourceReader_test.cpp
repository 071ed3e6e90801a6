#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/assembler/SourceReader.h"

namespace zek {
namespace {

using Lines = std::vector<std::string>;

struct SourceCase {
    const char* what;
    std::string source;
    Lines expected;
};

TEST(ReadSourceLines, LexicalRules) {
    const SourceCase cases[] = {
        {"empty text", "", {}},
        {"no separator", "mov a b", {"mov a b"}},
        {"blanks and tabs", "  mov\t\ta   b  ", {"mov a b"}},
        {"only CR LF separates", "mov a\rb\r\nclr c\nd", {"mov a\rb", "clr c\nd"}},
        {"empty lines are ignored", "\r\nmov a b\r\n\r\n \t \r\nclr a\r\n", {"mov a b", "clr a"}},
        {"no-break space is no separator",
         "mov \xA0"
         "a  b",
         {"mov \xA0"
          "a b"}},
        {"continuation over an empty line", "add a \xB6\r\n\r\nb", {"add a b"}},
        {"continuation joins directly", "mov a\xB6\r\nb", {"mov ab"}},
        {"continuation after trimming", "mov a \xB6  \r\n   b", {"mov a b"}},
        {"chained continuations", "printn a \xB6\r\nb \xB6\r\nc\r\nnop", {"printn a b c", "nop"}},
        {"last line continues into nothing", "nop\r\nclr a\xB6", {"nop", "clr a"}},
        {"a lone pilcrow continues", "\xB6\r\nnop", {"nop"}},
        {"pilcrow inside a line stays",
         "prints a\xB6"
         "b",
         {"prints a\xB6"
          "b"}},
        {"comment alone", "; comment", {""}},
        {"comment cut", "add a b;x", {"add a b"}},
        {"blank before comment stays", "add a b ;x", {"add a b "}},
        {"comment swallows continuation", "clr a ; note \xB6\r\ninc a", {"clr a "}},
        {"label", "loop:", {"_lab loop"}},
        {"label keeps case", "LOOP:", {"_lab LOOP"}},
        {"label on the empty symbol", ":", {"_lab "}},
        {"label drops the rest", "loop: add a 1", {"_lab loop"}},
        {"label before comment", "m: ;x", {"_lab m"}},
        {"colon inside token", "a:b c", {"a:b c"}},
        {"colon in operand", "mov a: b", {"mov a: b"}},
        {"colon in a comment", "nop ; m:", {"nop "}},
    };
    for (const SourceCase& c : cases) EXPECT_EQ(ReadSourceLines(c.source), c.expected) << c.what;
}

TEST(ReadSourceLines, LineNumbersCountLogicalLines) {
    const Lines lines = ReadSourceLines("\r\nmov a b\r\n; note\r\nadd a \xB6\r\nb\r\nnop");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "mov a b");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "nop");
}

TEST(ReadSourceLines, LargeInputIsReadInOnePass) {
    // A very long line and many short lines; quadratic work would time out.
    std::string longLine = "printn";
    for (int i = 0; i < 100000; ++i) longLine += "  x\t";
    Lines lines = ReadSourceLines(longLine);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 6 + 2 * 100000u);

    std::string many;
    for (int i = 0; i < 200000; ++i) many += "add a \xB6\r\nb\r\n";
    lines = ReadSourceLines(many);
    ASSERT_EQ(lines.size(), 200000u);
    EXPECT_EQ(lines.back(), "add a b");
}

}  // namespace
}  // namespace zek
