#pragma once
// What the reader and the Assembler make of each part of a physical source
// line, for the editor's highlighting: mnemonics by group, pseudo-
// instructions, label definitions, operands, comments and the characters
// with a meaning of their own.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zek {

enum class TokenKind : std::uint8_t {
    Mnemonic,         // a known mnemonic; `group` is its group in the OpcodeTable
    UnknownMnemonic,  // listed by the Assembler with code 116
    Pseudo,           // _dim _var _lab _name _config _end
    Label,            // a label definition: «m:», or the name after «_lab»
    Number,           // an operand whose name reads as a number
    Predefined,       // an operand that names a predefined symbol
    Operand,          // any other operand, or a part that cannot be judged alone
    Ignored,          // dropped without a message: after «m:», beyond the third operand
    Comment,          // from ";" to the end of the logical line
    Marker,           // "~" and "\" in a name, the continuation "¶"
};

struct SourceToken {
    std::size_t start = 0;
    std::size_t length = 0;
    TokenKind kind = TokenKind::Operand;
    std::int16_t group = 0;  // of a Mnemonic
};

// What a physical line takes over from the lines before it in its logical
// line. A fresh context starts a logical line.
struct LineContext {
    bool joined = false;      // its first token goes on with the previous line's last one
    bool inComment = false;   // the logical line's comment has begun
    bool dropped = false;     // a label's short form drops the rest
    bool labKeyword = false;  // the keyword is _lab: the next token is a label
    int tokens = 0;           // tokens of the logical line so far
};

// The parts of one physical line (Windows-1252, without CR LF) in order;
// a marker follows the token it lies in. Advances `context` to the next
// physical line: a blank line leaves it, a line without "¶" resets it.
std::vector<SourceToken> ClassifySourceLine(std::string_view line, LineContext& context);

}  // namespace zek
