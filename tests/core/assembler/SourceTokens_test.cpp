// The lexical classes the editor colours: each case is one logical line of
// one or more physical lines, written as "[text]class" per part.

#include "core/assembler/SourceTokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek {
namespace {

std::string ClassName(const SourceToken& token) {
    switch (token.kind) {
        case TokenKind::Mnemonic: return std::string(1, 'M').append(std::to_string(token.group));
        case TokenKind::UnknownMnemonic: return "U";
        case TokenKind::Pseudo: return "P";
        case TokenKind::Label: return "L";
        case TokenKind::Number: return "N";
        case TokenKind::Predefined: return "D";
        case TokenKind::Operand: return "O";
        case TokenKind::Ignored: return "I";
        case TokenKind::Comment: return "C";
        case TokenKind::Marker: return "K";
    }
    return "?";
}

// The parts of each physical line, lines separated by " | ".
std::string Classified(const std::vector<std::string>& lines) {
    LineContext context;
    std::string result;
    for (const std::string& line : lines) {
        if (!result.empty()) result += " | ";
        std::string parts;
        for (const SourceToken& token : ClassifySourceLine(line, context)) {
            if (!parts.empty()) parts += ' ';
            parts += '[';
            parts.append(line, token.start, token.length);
            parts += ']';
            parts += ClassName(token);
        }
        result += parts;
    }
    return result;
}

struct Case {
    std::vector<std::string> lines;
    std::string expected;
};

TEST(ClassifySourceLine, EachPartAsTheAssemblerSeesIt) {
    const Case cases[] = {
        {{"        add     summe   i       ; summe"}, "[add]M-2 [summe]O [i]O [; summe]C"},
        {{"MOV a b"}, "[MOV]M-1 [a]O [b]O"},
        {{"END"}, "[END]M7"},
        {{"cmplt i 10 anfang"}, "[cmplt]M3 [i]O [10]N [anfang]O"},
        {{"anfang:"}, "[anfang:]L"},
        {{"m: add a 1 ;x"}, "[m:]L [add]I [a]I [1]I [;x]C"},
        {{"_lab m"}, "[_lab]P [m]L"},
        {{"_LAB 5"}, "[_LAB]P [5]L"},
        {{"_dim f 10"}, "[_dim]P [f]O [10]N"},
        {{"mul2 a b"}, "[mul2]U [a]O [b]O"},
        {{"_labx m"}, "[_labx]U [m]O"},
        {{"mov pi . .."}, "[mov]M-1 [pi]D [.]D [..]D"},
        {{"mov x -2.5E3"}, "[mov]M-1 [x]D [-2.5E3]N"},
        {{"add a b c d e"}, "[add]M-2 [a]O [b]O [c]O [d]I [e]I"},
        {{"add a b;x"}, "[add]M-2 [a]O [b]O [;x]C"},
        {{"; only a comment"}, "[; only a comment]C"},
        {{"prints ~~Summe:~"}, "[prints]M6 [~~Summe:~]O [~]K [~]K [~]K"},
        {{"_name Mein~Test\\2"}, "[_name]P [Mein~Test\\2]O [~]K [\\]K"},
        {{"   \t  "}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.front());
        EXPECT_EQ(Classified(c.lines), c.expected);
    }
}

TEST(ClassifySourceLine, ContinuationsCarryTheLogicalLine) {
    const Case cases[] = {
        {{"printn a \xB6", "b 0"}, "[printn]M6 [a]O [\xB6]K | [b]O [0]N"},
        {{"printn a \xB6", "", "b 0"}, "[printn]M6 [a]O [\xB6]K |  | [b]O [0]N"},
        {{"mov a\xB6", "b c"}, "[mov]M-1 [a]O [\xB6]K | [b]O [c]O"},  // «mov ab c»
        {{"mov a\xB6", "\xB6", "b c"}, "[mov]M-1 [a]O [\xB6]K | [\xB6]K | [b]O [c]O"},
        {{"mo\xB6", "v a b"}, "[mo]O [\xB6]K | [v]O [a]O [b]O"},  // the keyword cannot be judged in parts
        {{"clr a ; note \xB6", "inc a", "inc b"}, "[clr]M-1 [a]O [; note ]C [\xB6]K | [inc a]C | [inc]M2 [b]O"},
        {{"_lab \xB6", "m"}, "[_lab]P [\xB6]K | [m]L"},
        {{"add a b \xB6", "c d"}, "[add]M-2 [a]O [b]O [\xB6]K | [c]O [d]I"},
        {{"m: \xB6", "add a"}, "[m:]L [\xB6]K | [add]I [a]I"},
        {{"nop", "mul2"}, "[nop]M7 | [mul2]U"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.front());
        EXPECT_EQ(Classified(c.lines), c.expected);
    }
}

}  // namespace
}  // namespace zek
