#pragma once
// The instruction set's vocabulary: the OpcodeTable in lookup order, and the
// decoded Operation, which follows the same order (ORDER OP: keep both in step).

#include <array>
#include <cstdint>
#include <string_view>

namespace zek {

// clang-format off
enum class Operation : std::uint8_t {
    Mov, Clr, Neg, Abs, Add, Sub, Mul, Div, Power, Root,
    Sin, Cos, Tan, Cot, Sec, Csc,
    Asin, Acos, Atan, Acot, Asec, Acsc,
    Sinh, Cosh, Tanh, Coth, Sech, Csch,
    Asinh, Acosh, Atanh, Acoth, Asech, Acsch,
    Exp, Exp10, Exp2, Expx, Log, Log10, Log2, Logx,
    Bin, Not, And, Or, Inc, Dec, Sgn, Round, Ceil, Floor, Fix, Frac, Clip, Cmod, Random,
    Cmpgt, Cmpge, Cmplt, Cmple, Cmpeq, Cmpne,
    Tstgt, Tstge, Tstlt, Tstle, Tsteq, Tstne,
    Jump, Adrof, Get, Put,
    Input, Output, Pause, Proof, Info, Cls, Printn, Prints, Read, Write, Save,
    Init, Nop, Mode, Halt, Err, Errjump, Errcode, Exit, End,
    PseudoLab, PseudoDim, PseudoVar, PseudoConfig, PseudoName, PseudoEnd,
    Unknown  // not executable: error 116
};
// clang-format on

constexpr std::int16_t UnknownGroup = -9999;
constexpr std::int16_t PseudoGroup = 99;

struct OpcodeEntry {
    std::string_view key;   // exactly 7 characters, filled with "-"
    std::string_view name;  // the mnemonic without fill
    std::int16_t group;     // group code of the table
    // Group under which the Processor finds this name; the pseudo-instructions
    // other than _end are no-operations of group 7, _end is found nowhere.
    std::int16_t dispatchGroup;
    Operation operation;
};

inline constexpr std::array<OpcodeEntry, 99> OpcodeTable{{
    {"mov----", "mov", -1, -1, Operation::Mov},
    {"clr----", "clr", -1, -1, Operation::Clr},
    {"neg----", "neg", 1, 1, Operation::Neg},
    {"abs----", "abs", 1, 1, Operation::Abs},
    {"add----", "add", -2, -2, Operation::Add},
    {"sub----", "sub", -2, -2, Operation::Sub},
    {"mul----", "mul", -2, -2, Operation::Mul},
    {"div----", "div", -2, -2, Operation::Div},
    {"power--", "power", 2, 2, Operation::Power},
    {"root---", "root", 2, 2, Operation::Root},
    {"sin----", "sin", 2, 2, Operation::Sin},
    {"cos----", "cos", 2, 2, Operation::Cos},
    {"tan----", "tan", 2, 2, Operation::Tan},
    {"cot----", "cot", 2, 2, Operation::Cot},
    {"sec----", "sec", 2, 2, Operation::Sec},
    {"csc----", "csc", 2, 2, Operation::Csc},
    {"asin---", "asin", 2, 2, Operation::Asin},
    {"acos---", "acos", 2, 2, Operation::Acos},
    {"atan---", "atan", 2, 2, Operation::Atan},
    {"acot---", "acot", 2, 2, Operation::Acot},
    {"asec---", "asec", 2, 2, Operation::Asec},
    {"acsc---", "acsc", 2, 2, Operation::Acsc},
    {"sinh---", "sinh", 2, 2, Operation::Sinh},
    {"cosh---", "cosh", 2, 2, Operation::Cosh},
    {"tanh---", "tanh", 2, 2, Operation::Tanh},
    {"coth---", "coth", 2, 2, Operation::Coth},
    {"sech---", "sech", 2, 2, Operation::Sech},
    {"csch---", "csch", 2, 2, Operation::Csch},
    {"asinh--", "asinh", 2, 2, Operation::Asinh},
    {"acosh--", "acosh", 2, 2, Operation::Acosh},
    {"atanh--", "atanh", 2, 2, Operation::Atanh},
    {"acoth--", "acoth", 2, 2, Operation::Acoth},
    {"asech--", "asech", 2, 2, Operation::Asech},
    {"acsch--", "acsch", 2, 2, Operation::Acsch},
    {"exp----", "exp", 2, 2, Operation::Exp},
    {"exp10--", "exp10", 2, 2, Operation::Exp10},
    {"exp2---", "exp2", 2, 2, Operation::Exp2},
    {"expx---", "expx", 2, 2, Operation::Expx},
    {"log----", "log", 2, 2, Operation::Log},
    {"log10--", "log10", 2, 2, Operation::Log10},
    {"log2---", "log2", 2, 2, Operation::Log2},
    {"logx---", "logx", 2, 2, Operation::Logx},
    {"bin----", "bin", 2, 2, Operation::Bin},
    {"not----", "not", 2, 2, Operation::Not},
    {"and----", "and", 2, 2, Operation::And},
    {"or-----", "or", 2, 2, Operation::Or},
    {"inc----", "inc", 2, 2, Operation::Inc},
    {"dec----", "dec", 2, 2, Operation::Dec},
    {"sgn----", "sgn", 2, 2, Operation::Sgn},
    {"round--", "round", 2, 2, Operation::Round},
    {"ceil---", "ceil", 2, 2, Operation::Ceil},
    {"floor--", "floor", 2, 2, Operation::Floor},
    {"fix----", "fix", 2, 2, Operation::Fix},
    {"frac---", "frac", 2, 2, Operation::Frac},
    {"clip---", "clip", 2, 2, Operation::Clip},
    {"cmod---", "cmod", 2, 2, Operation::Cmod},
    {"random-", "random", 2, 2, Operation::Random},
    {"cmpgt--", "cmpgt", 3, 3, Operation::Cmpgt},
    {"cmpge--", "cmpge", 3, 3, Operation::Cmpge},
    {"cmplt--", "cmplt", 3, 3, Operation::Cmplt},
    {"cmple--", "cmple", 3, 3, Operation::Cmple},
    {"cmpeq--", "cmpeq", 3, 3, Operation::Cmpeq},
    {"cmpne--", "cmpne", 3, 3, Operation::Cmpne},
    {"tstgt--", "tstgt", 4, 4, Operation::Tstgt},
    {"tstge--", "tstge", 4, 4, Operation::Tstge},
    {"tstlt--", "tstlt", 4, 4, Operation::Tstlt},
    {"tstle--", "tstle", 4, 4, Operation::Tstle},
    {"tsteq--", "tsteq", 4, 4, Operation::Tsteq},
    {"tstne--", "tstne", 4, 4, Operation::Tstne},
    {"jump---", "jump", -1, -1, Operation::Jump},
    {"adrof--", "adrof", 5, 5, Operation::Adrof},
    {"get----", "get", 5, 5, Operation::Get},
    {"put----", "put", 5, 5, Operation::Put},
    {"input--", "input", 6, 6, Operation::Input},
    {"output-", "output", 6, 6, Operation::Output},
    {"pause--", "pause", 6, 6, Operation::Pause},
    {"proof--", "proof", 6, 6, Operation::Proof},
    {"info---", "info", 6, 6, Operation::Info},
    {"cls----", "cls", 6, 6, Operation::Cls},
    {"printn-", "printn", 6, 6, Operation::Printn},
    {"prints-", "prints", 6, 6, Operation::Prints},
    {"read---", "read", 6, 6, Operation::Read},
    {"write--", "write", 6, 6, Operation::Write},
    {"save---", "save", 6, 6, Operation::Save},
    {"init---", "init", 7, 7, Operation::Init},
    {"nop----", "nop", 7, 7, Operation::Nop},
    {"mode---", "mode", 7, 7, Operation::Mode},
    {"halt---", "halt", 7, 7, Operation::Halt},
    {"err----", "err", 7, 7, Operation::Err},
    {"errjump", "errjump", 7, 7, Operation::Errjump},
    {"errcode", "errcode", 7, 7, Operation::Errcode},
    {"exit---", "exit", 7, 7, Operation::Exit},
    {"end----", "end", 7, 7, Operation::End},
    {"_lab---", "_lab", PseudoGroup, 7, Operation::PseudoLab},
    {"_dim---", "_dim", PseudoGroup, 7, Operation::PseudoDim},
    {"_var---", "_var", PseudoGroup, 7, Operation::PseudoVar},
    {"_config", "_config", PseudoGroup, 7, Operation::PseudoConfig},
    {"_name--", "_name", PseudoGroup, 7, Operation::PseudoName},
    {"_end---", "_end", PseudoGroup, 0, Operation::PseudoEnd},
}};

static_assert(OpcodeTable.size() == 99, "99 keys");
static_assert(static_cast<int>(Operation::Unknown) == 99, "one Operation per key, in table order");
static_assert(static_cast<int>(Operation::PseudoLab) == 93, "93 mnemonics before the pseudo-instructions");
static_assert(
    [] {
        for (std::size_t i = 0; i < OpcodeTable.size(); ++i)
            if (static_cast<std::size_t>(OpcodeTable[i].operation) != i) return false;
        return true;
    }(),
    "ORDER OP: the table and Operation must list the mnemonics in the same order");

// Group of a mnemonic as written (case-insensitive, judged by its first
// 7 characters filled up with "-"), or UnknownGroup.
std::int16_t LookupOpcode(std::string_view mnemonic);

// The operation the Processor runs for a stored (group, mnemonic) pair:
// the name must equal a table name exactly and belong to that group.
Operation DecodeOperation(std::int16_t group, std::string_view mnemonic);

}  // namespace zek
