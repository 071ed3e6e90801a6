#include <gtest/gtest.h>

#include "core/base/ErrorText.h"

namespace zek {
namespace {

TEST(ErrorText, ShortTexts) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, "Kein Fehler"},
        {38,
         "Dateil\xE4"
         "nge 0 oder Datei nicht vorhanden oder Dateiname leer oder ung\xFCltig"},
        {90, "Abbruch durch Bediener bei laufender Operation"},
        {91, "Abbruch durch Bediener vor Operationsbeginn"},
        {101,
         "\xDC"
         "berlauf. Betrag >9E99"},
        {102, "Division durch 0"},
        {103, "Potenz 0 hoch 0"},
        {104, "P-Exp. Z/N mit Z<>1 oder N gerade"},
        {105, "W-Exp. gerade oder Z/N mit Z<>1"},
        {106, "Wurzelexponent 0"},
        {107, "Logarithmus aus Zahl <0"},
        {108, "Logarithmus aus 0"},
        {109, "Logarithmenbasis <0"},
        {110, "Logarithmenbasis 0"},
        {111, "Logarithmenbasis 1"},
        {112, "Funktionswert nicht definiert"},
        {113, "Datei-E/A-Fehler"},
        {114, "ZEK-Fehler 114"},
        {115, "ZEK-Fehler 115"},
        {116, "Unbekannter ZE-Assemblerbefehl"},
        {117, "ZE-Assembler: Symbol nicht definiert"},
        {118, "ZE-Assembler: Symbol bereits definiert"},
        {119, "ZE-Assembler: Symboltabelle voll"},
        {120,
         "ZE-Assembler: Symbolname l\xE4"
         "nger als 1024 Zeichen"},
        {121, "ZEK-Fehler 121"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorText(static_cast<std::uint8_t>(c.code)), c.text) << c.code;
        EXPECT_EQ(ErrorText(static_cast<std::uint8_t>(c.code),
                            "\xDC"
                            "berlauf"),
                  c.text)
            << c.code;
    }
}

TEST(ErrorText, CodesWithoutTextFallBack) {
    for (int code : {1, 2, 37, 39, 89, 92, 99, 100, 122, 200, 255}) {
        EXPECT_EQ(ErrorText(static_cast<std::uint8_t>(code)), "Unbekannter Fehler") << code;
        EXPECT_EQ(ErrorText(static_cast<std::uint8_t>(code),
                            "\xDC"
                            "berlauf"),
                  "Unbekannter Fehler/\xDC"
                  "berlauf")
            << code;
    }
}

}  // namespace
}  // namespace zek
