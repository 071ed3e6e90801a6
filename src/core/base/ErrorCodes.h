#pragma once
// The values of the shared ErrorCode, one name per meaning. Some meanings
// share a byte value (107 for a logarithm of a negative number and for an
// internal fault of the Assembler); their texts are those of the value.

#include <cstdint>

namespace zek::errors {

inline constexpr std::uint8_t None = 0;
inline constexpr std::uint8_t EmptyFileName = 38;         // a file dialog returned a blank name
inline constexpr std::uint8_t AbortDuringOperation = 90;  // abort by the operator or by the program (exit)
inline constexpr std::uint8_t AbortBeforeOperation = 91;  // a file dialog was cancelled

inline constexpr std::uint8_t RuntimeFault = 100;  // an internal fault interrupted an instruction
inline constexpr std::uint8_t Overflow = 101;      // a value beyond the value limit
inline constexpr std::uint8_t DivisionByZero = 102;
inline constexpr std::uint8_t ZeroToThePowerZero = 103;
inline constexpr std::uint8_t PowerOfNegative = 104;  // exponent a fraction with numerator <> 1 or even denominator
inline constexpr std::uint8_t RootOfNegative = 105;   // root exponent even, or a fraction with numerator <> 1
inline constexpr std::uint8_t RootExponentZero = 106;
inline constexpr std::uint8_t LogOfNegative = 107;
inline constexpr std::uint8_t AssemblerFault = 107;  // an internal fault interrupted the assembler pass
inline constexpr std::uint8_t LogOfZero = 108;
inline constexpr std::uint8_t LogBaseNegative = 109;
inline constexpr std::uint8_t LogBaseZero = 110;
inline constexpr std::uint8_t LogBaseOne = 111;
inline constexpr std::uint8_t Undefined = 112;            // the function has no value there
inline constexpr std::uint8_t EndOfDataFile = 113;        // read ran past the end of its file
inline constexpr std::uint8_t NoSuchSymbolAddress = 114;  // a pointer, or read beyond the SymbolTable
inline constexpr std::uint8_t NoSuchCodeAddress = 115;
inline constexpr std::uint8_t UnknownInstruction = 116;
inline constexpr std::uint8_t SymbolNotDefined = 117;  // write beyond the SymbolTable
inline constexpr std::uint8_t EmptyDataFile = 117;     // read of an empty or missing data file
inline constexpr std::uint8_t SymbolAlreadyDefined = 118;
inline constexpr std::uint8_t SymbolTableFull = 119;
inline constexpr std::uint8_t SymbolNameTooLong = 120;
inline constexpr std::uint8_t Reserved = 121;  // set by nobody

}  // namespace zek::errors
