#include "core/base/ErrorText.h"

#include "core/base/ErrorCodes.h"

namespace zek {
namespace {

// Short text of a code, or nullptr for a code without one (100 included).
// A value with two names (107, 117) has one text.
const char* ShortText(std::uint8_t code) {
    switch (code) {
        case errors::None: return "Kein Fehler";
        case errors::EmptyFileName:
            return "Dateil\xE4"
                   "nge 0 oder Datei nicht vorhanden oder Dateiname leer oder ung\xFCltig";
        case errors::AbortDuringOperation: return "Abbruch durch Bediener bei laufender Operation";
        case errors::AbortBeforeOperation: return "Abbruch durch Bediener vor Operationsbeginn";
        case errors::Overflow:
            return "\xDC"
                   "berlauf. Betrag >9E99";
        case errors::DivisionByZero: return "Division durch 0";
        case errors::ZeroToThePowerZero: return "Potenz 0 hoch 0";
        case errors::PowerOfNegative: return "P-Exp. Z/N mit Z<>1 oder N gerade";
        case errors::RootOfNegative: return "W-Exp. gerade oder Z/N mit Z<>1";
        case errors::RootExponentZero: return "Wurzelexponent 0";
        case errors::LogOfNegative: return "Logarithmus aus Zahl <0";
        case errors::LogOfZero: return "Logarithmus aus 0";
        case errors::LogBaseNegative: return "Logarithmenbasis <0";
        case errors::LogBaseZero: return "Logarithmenbasis 0";
        case errors::LogBaseOne: return "Logarithmenbasis 1";
        case errors::Undefined: return "Funktionswert nicht definiert";
        case errors::EndOfDataFile: return "Datei-E/A-Fehler";
        case errors::NoSuchSymbolAddress: return "ZEK-Fehler 114";
        case errors::NoSuchCodeAddress: return "ZEK-Fehler 115";
        case errors::UnknownInstruction: return "Unbekannter ZE-Assemblerbefehl";
        case errors::SymbolNotDefined: return "ZE-Assembler: Symbol nicht definiert";
        case errors::SymbolAlreadyDefined: return "ZE-Assembler: Symbol bereits definiert";
        case errors::SymbolTableFull: return "ZE-Assembler: Symboltabelle voll";
        case errors::SymbolNameTooLong:
            return "ZE-Assembler: Symbolname l\xE4"
                   "nger als 1024 Zeichen";
        case errors::Reserved: return "ZEK-Fehler 121";
        default: return nullptr;
    }
}

}  // namespace

std::string ErrorText(std::uint8_t code, std::string_view faultDescription) {
    if (const char* text = ShortText(code)) return text;
    std::string text = "Unbekannter Fehler";
    if (!faultDescription.empty()) text.append("/").append(faultDescription);
    return text;
}

}  // namespace zek
