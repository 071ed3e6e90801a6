#pragma once
// The editor's colours, taken from the palette: the same hues in a light
// and a dark theme, lighter where the text box's background is dark.

#include <QColor>
#include <cstdint>

class QPalette;

namespace zek::ui {

struct WorkbenchColours {
    QColor transport;   // groups -1, -2 and 1: mov clr jump, the four arithmetic operations, neg abs
    QColor functions;   // group 2
    QColor jumps;       // groups 3 and 4: compare and test
    QColor pointers;    // group 5
    QColor dialogs;     // group 6: dialogs, output text, files
    QColor system;      // group 7
    QColor pseudo;      // pseudo-instructions
    QColor label;       // label definitions
    QColor number;      // names that read as numbers
    QColor predefined;  // the predefined symbols
    QColor marker;      // "~", "\" and "¶"
    QColor comment;     // comments and dropped parts
    QColor error;       // unknown mnemonics, listed lines, breakpoints
    QColor arrow;       // the next instruction of a halted run
    QColor haltLine;    // background of the instruction just executed
    QColor gutterBackground;
    QColor gutterText;  // line numbers
    QColor gutterCode;  // code addresses

    static WorkbenchColours Of(const QPalette& palette);

    // The colour of a mnemonic of OpcodeTable group `group`.
    QColor Mnemonic(std::int16_t group) const;
};

}  // namespace zek::ui
