#include "core/exercise/ExerciseReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zek::testing {
namespace {

using Lines = std::vector<std::string>;

CaseResult Failed(std::vector<Mismatch> mismatches) {
    CaseResult result;
    result.name = "n = 10";
    result.mismatches = std::move(mismatches);
    return result;
}

TEST(ExerciseReport, PassedCaseIsOneLine) {
    CaseResult passed;
    passed.name = "n = 10";
    EXPECT_EQ(CaseReportLines(passed), Lines{"OK      n = 10"});
}

TEST(ExerciseReport, EachKindOfMismatch) {
    struct Case {
        Mismatch mismatch;
        Lines lines;
    };
    const Case cases[] = {
        {AssemblyFailed{90, "Zeile 0001: x\r\nZeile 0002: y\r\n"},
         {"FEHLER  n = 10: Assemblierung fehlgeschlagen (Fehlercode 90)", "          Zeile 0001: x",
          "          Zeile 0002: y"}},
        {AssemblyFailed{107, ""}, {"FEHLER  n = 10: Assemblierung fehlgeschlagen (Fehlercode 107)"}},
        {StepLimitReached{1000000}, {"FEHLER  n = 10: Schrittgrenze von 1000000 Befehlen erreicht"}},
        {WrongResult{0, 115},
         {"FEHLER  n = 10: Ergebniscode falsch", "          erwartet: 0", "          erhalten: 115 (ZEK-Fehler 115)"}},
        {OutputDiffers{{3, "Summe: 55", "Summe: 54", true, true}},
         {"FEHLER  n = 10: Ausgabe weicht in Zeile 3 ab", "          erwartet: \"Summe: 55\"",
          "          erhalten: \"Summe: 54\""}},
        {OutputDiffers{{2, std::nullopt, "mehr", false, false}},
         {"FEHLER  n = 10: Ausgabe weicht in Zeile 2 ab", "          erwartet: (Ende der Ausgabe)",
          "          erhalten: \"mehr\""}},
        {OutputDiffers{{1, "55", "55", true, false}},
         {"FEHLER  n = 10: Ausgabe weicht in Zeile 1 ab", "          erwartet: \"55\" mit Zeilenende",
          "          erhalten: \"55\" ohne Zeilenende"}},
        {TextMissing{"55", "", false}, {"FEHLER  n = 10: Text fehlt in der Ausgabe", "          erwartet: \"55\""}},
        {TextMissing{"Summe", "55", true},
         {"FEHLER  n = 10: Text steht an falscher Stelle der Ausgabe", "          erwartet: \"Summe\" nach \"55\""}},
        {WrongSymbol{"x'", 2.5, 2.25},
         {"FEHLER  n = 10: Symbol x' falsch", "          erwartet: 2.5", "          erhalten: 2.25"}},
        {WrongSymbol{"t", 1, std::nullopt}, {"FEHLER  n = 10: Symbol t fehlt in der Symboltabelle"}},
        {FileMissing{"mittel.dat"}, {"FEHLER  n = 10: Datei mittel.dat fehlt"}},
        {FileDiffers{"mittel.dat", {1, " 2.5", std::nullopt, true, false}},
         {"FEHLER  n = 10: Datei mittel.dat weicht in Zeile 1 ab", "          erwartet: \" 2.5\"",
          "          erhalten: (Ende der Datei)"}},
        {SetupFailed{"Datei a.dat nicht geschrieben: Permission denied"},
         {"FEHLER  n = 10: Fall nicht vorbereitet: Datei a.dat nicht geschrieben: Permission denied"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.front());
        EXPECT_EQ(CaseReportLines(Failed({c.mismatch})), c.lines);
    }
}

TEST(ExerciseReport, FurtherMismatchesAndTheEndOfInputFollowTheReason) {
    CaseResult result =
        Failed({OutputDiffers{{1, "a", "b", true, true}}, WrongSymbol{"s", 55, 54}, FileMissing{"m.dat"}});
    result.inputExhausted = true;
    result.inputLinesRead = 1;
    EXPECT_EQ(CaseReportLines(result),
              (Lines{"FEHLER  n = 10: Ausgabe weicht in Zeile 1 ab", "          erwartet: \"a\"",
                     "          erhalten: \"b\"", "        Symbol s falsch", "          erwartet: 55",
                     "          erhalten: 54", "        Datei m.dat fehlt",
                     "        Eingabe ersch\xF6pft nach 1 Zeile: Lauf abgebrochen "
                     "(Ergebniscode 90)"}));
    EXPECT_EQ(FailureReason(result), "Ausgabe weicht in Zeile 1 ab");
    EXPECT_EQ(FailureDetails(result).front(), "  erwartet: \"a\"");
}

TEST(ExerciseReport, RunawayLinesAreCut) {
    const std::string line(300, 'x');
    const Lines lines = CaseReportLines(Failed({OutputDiffers{{1, "x", line, true, false}}}));
    EXPECT_EQ(lines[2], "          erhalten: \"" + std::string(200, 'x') + "\" ...");
}

TEST(ExerciseReport, SummaryCountsPassedAndFailedCases) {
    CaseResult passed;
    const CaseResult failed = Failed({FileMissing{"a"}});
    EXPECT_EQ(SummaryLine({passed, failed, passed}), "2 bestanden, 1 fehlgeschlagen");
    EXPECT_EQ(SummaryLine({}), "0 bestanden, 0 fehlgeschlagen");
    EXPECT_EQ(PassedCount({failed, failed}), 0u);
}

}  // namespace
}  // namespace zek::testing
