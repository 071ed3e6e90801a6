#include "core/base/ErrorText.h"

namespace zek {
namespace {

// Short text of a code, or nullptr for a code without one (100 included).
const char* ShortText(std::uint8_t code) {
    switch (code) {
        case 0: return "Kein Fehler";
        case 38:
            return "Dateil\xE4"
                   "nge 0 oder Datei nicht vorhanden oder Dateiname leer oder ung\xFCltig";
        case 90: return "Abbruch durch Bediener bei laufender Operation";
        case 91: return "Abbruch durch Bediener vor Operationsbeginn";
        case 101:
            return "\xDC"
                   "berlauf. Betrag >9E99";
        case 102: return "Division durch 0";
        case 103: return "Potenz 0 hoch 0";
        case 104: return "P-Exp. Z/N mit Z<>1 oder N gerade";
        case 105: return "W-Exp. gerade oder Z/N mit Z<>1";
        case 106: return "Wurzelexponent 0";
        case 107: return "Logarithmus aus Zahl <0";
        case 108: return "Logarithmus aus 0";
        case 109: return "Logarithmenbasis <0";
        case 110: return "Logarithmenbasis 0";
        case 111: return "Logarithmenbasis 1";
        case 112: return "Funktionswert nicht definiert";
        case 113: return "Datei-E/A-Fehler";
        case 114: return "ZEK-Fehler 114";
        case 115: return "ZEK-Fehler 115";
        case 116: return "Unbekannter ZE-Assemblerbefehl";
        case 117: return "ZE-Assembler: Symbol nicht definiert";
        case 118: return "ZE-Assembler: Symbol bereits definiert";
        case 119: return "ZE-Assembler: Symboltabelle voll";
        case 120:
            return "ZE-Assembler: Symbolname l\xE4"
                   "nger als 1024 Zeichen";
        case 121: return "ZEK-Fehler 121";
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
