#include "core/exercise/ExerciseParser.h"

#include <gtest/gtest.h>

#include <string>

namespace zek::testing {
namespace {

Exercise Parsed(const std::string& toml) {
    const ParsedExercise parsed = ParseExercise(toml);
    EXPECT_FALSE(parsed.error) << (parsed.error ? DescribeFileError(*parsed.error) : "");
    return parsed.exercise;
}

TEST(ExerciseParser, ReadsEveryKeyAndLetCasesOverrideTheLimits) {
    const Exercise exercise = Parsed(
        "titel = \"Summe 1 bis n\"\n"
        "programm = \"summe.zek\"\n"
        "max_schritte = 5000\n"
        "toleranz = 1e-6\n"
        "modus = 1\n"
        "[[fall]]\n"
        "name = \"n = 10\"\n"
        "eingabe = [\"10\", \"2,5\"]\n"
        "ausgabe = \"Summe:  55\\r\\nEnde\\n\"\n"
        "enthaelt = [\"Summe:\", \"55\"]\n"
        "symbole = { s = 55, \"x'\" = 2.5, \"f(3)\" = -1 }\n"
        "ergebnis = 115\n"
        "dateien = { \"messwerte.dat\" = \"1\\n2\\n\" }\n"
        "erwartete_dateien = { \"mittel.dat\" = \" 1.5\\r\\n\" }\n"
        "max_schritte = 1e3\n"
        "toleranz = 0\n"
        "modus = 2\n"
        "[[fall]]\n"
        "name = \"Vorgaben\"\n");
    EXPECT_EQ(exercise.title, "Summe 1 bis n");
    EXPECT_EQ(exercise.program, "summe.zek");
    ASSERT_EQ(exercise.cases.size(), 2u);

    const ExerciseCase& first = exercise.cases[0];
    EXPECT_EQ(first.name, "n = 10");
    EXPECT_EQ(first.input, (std::vector<std::string>{"10", "2,5"}));
    EXPECT_EQ(first.output, "Summe:  55\nEnde\n");  // CR LF and LF alike
    EXPECT_EQ(first.contains, (std::vector<std::string>{"Summe:", "55"}));
    ASSERT_EQ(first.symbols.size(), 3u);
    // A table's keys come in sorted order.
    EXPECT_EQ(first.symbols[0].name, "f(3)");
    EXPECT_EQ(first.symbols[0].value, -1);
    EXPECT_EQ(first.symbols[1].name, "s");
    EXPECT_EQ(first.symbols[2].name, "x'");
    EXPECT_EQ(first.symbols[2].value, 2.5);
    EXPECT_EQ(first.result, 115);
    ASSERT_EQ(first.files.size(), 1u);
    EXPECT_EQ(first.files[0].name, "messwerte.dat");
    EXPECT_EQ(first.files[0].content, "1\n2\n");
    ASSERT_EQ(first.expectedFiles.size(), 1u);
    EXPECT_EQ(first.expectedFiles[0].content, " 1.5\n");
    EXPECT_EQ(first.maxSteps, 1000);
    EXPECT_EQ(first.tolerance, 0);
    EXPECT_EQ(first.mode, 2);

    const ExerciseCase& second = exercise.cases[1];
    EXPECT_EQ(second.maxSteps, 5000);
    EXPECT_EQ(second.tolerance, 1e-6);
    EXPECT_EQ(second.mode, 1);
    EXPECT_FALSE(second.output);
    EXPECT_FALSE(second.result);
}

TEST(ExerciseParser, DefaultsWithoutSettings) {
    const Exercise exercise = Parsed("[[fall]]\nname = \"a\"\n");
    EXPECT_EQ(exercise.title, "");
    EXPECT_EQ(exercise.program, "");
    ASSERT_EQ(exercise.cases.size(), 1u);
    EXPECT_EQ(exercise.cases[0].maxSteps, 1000000);
    EXPECT_EQ(exercise.cases[0].tolerance, 1e-9);
    EXPECT_EQ(exercise.cases[0].mode, 0);
}

TEST(ExerciseParser, TextsBecomeWindows1252) {
    const Exercise exercise = Parsed(
        "titel = \"Gr\xC3\xB6\xC3\x9F"
        "e in \xC2\xB0\"\n"
        "[[fall]]\nname = \"\xE2\x82\xAC und \xE2\x9C\x93\"\n"
        "symbole = { \"\xC2\xB0(\" = 1 }\n");
    EXPECT_EQ(exercise.title,
              "Gr\xF6\xDF"
              "e in \xB0");
    EXPECT_EQ(exercise.cases[0].name, "\x80 und ?");  // the check mark is not in the code page
    EXPECT_EQ(exercise.cases[0].symbols[0].name, "\xB0(");
}

struct BadFile {
    const char* toml;
    const char* message;  // Windows-1252
    std::uint32_t line;
    std::uint32_t column;
};

void PrintTo(const BadFile& bad, std::ostream* os) { *os << bad.toml; }

class BadExerciseFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadExerciseFile, IsAnErrorWithItsPlace) {
    const ParsedExercise parsed = ParseExercise(GetParam().toml);
    ASSERT_TRUE(parsed.error);
    EXPECT_EQ(parsed.error->message, GetParam().message);
    EXPECT_EQ(parsed.error->line, GetParam().line);
    EXPECT_EQ(parsed.error->column, GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(UnknownKeys, BadExerciseFile,
                         ::testing::Values(BadFile{"titel = \"t\"\nprogram = \"x.zek\"\n[[fall]]\nname = \"a\"\n",
                                                   "unbekannter Schl\xFCssel \"program\"", 2, 1},
                                           BadFile{"[[fall]]\nname = \"a\"\n  ausgbe = \"x\"\nenthalt = []\n",
                                                   "unbekannter Schl\xFCssel \"ausgbe\" in [[fall]]", 3, 3},
                                           // a key of a case table placed before the first [[fall]]
                                           BadFile{"name = \"a\"\n[[fall]]\nname = \"b\"\n",
                                                   "unbekannter Schl\xFCssel \"name\"", 1, 1}));

INSTANTIATE_TEST_SUITE_P(
    WrongTypes, BadExerciseFile,
    ::testing::Values(
        BadFile{"titel = 5\n[[fall]]\nname = \"a\"\n", "\"titel\" muss ein Text sein", 1, 9},
        BadFile{"programm = [\"a\"]\n[[fall]]\nname = \"a\"\n", "\"programm\" muss ein Text sein", 1, 12},
        BadFile{"[[fall]]\nname = 1\n", "\"name\" muss ein Text sein", 2, 8},
        BadFile{"[[fall]]\nname = \"a\"\neingabe = \"10\"\n", "\"eingabe\" muss eine Liste von Texten sein", 3, 11},
        BadFile{"[[fall]]\nname = \"a\"\neingabe = [\"1\", 10]\n", "\"eingabe\" muss eine Liste von Texten sein", 3,
                17},
        BadFile{"[[fall]]\nname = \"a\"\nausgabe = 55\n", "\"ausgabe\" muss ein Text sein", 3, 11},
        BadFile{"[[fall]]\nname = \"a\"\nenthaelt = \"55\"\n", "\"enthaelt\" muss eine Liste von Texten sein", 3, 12},
        BadFile{"[[fall]]\nname = \"a\"\nsymbole = 55\n", "\"symbole\" muss eine Tabelle sein", 3, 11},
        BadFile{"[[fall]]\nname = \"a\"\nsymbole = { s = \"55\" }\n", "der Wert von \"s\" muss eine Zahl sein", 3, 17},
        BadFile{"[[fall]]\nname = \"a\"\nergebnis = 1.5\n", "\"ergebnis\" muss eine ganze Zahl sein", 3, 12},
        BadFile{"[[fall]]\nname = \"a\"\nergebnis = \"0\"\n", "\"ergebnis\" muss eine ganze Zahl sein", 3, 12},
        BadFile{"[[fall]]\nname = \"a\"\ndateien = { \"a.dat\" = 1 }\n", "\"dateien\" muss ein Text sein", 3, 23},
        BadFile{"[[fall]]\nname = \"a\"\nerwartete_dateien = [\"a.dat\"]\n",
                "\"erwartete_dateien\" muss eine Tabelle sein", 3, 21},
        BadFile{"max_schritte = \"1000\"\n[[fall]]\nname = \"a\"\n", "\"max_schritte\" muss eine ganze Zahl sein", 1,
                16},
        BadFile{"toleranz = true\n[[fall]]\nname = \"a\"\n", "\"toleranz\" muss eine Zahl sein", 1, 12},
        BadFile{"modus = 1.0e0\n[[fall]]\nname = \"a\"\nmodus = \"2\"\n", "\"modus\" muss eine ganze Zahl sein", 4, 9},
        BadFile{"fall = 5\n", "\"fall\" muss eine Liste von Tabellen sein ([[fall]])", 1, 8},
        BadFile{"[fall]\nname = \"a\"\n", "\"fall\" muss eine Liste von Tabellen sein ([[fall]])", 1, 1}));

INSTANTIATE_TEST_SUITE_P(
    BadValues, BadExerciseFile,
    ::testing::Values(
        BadFile{"[[fall]]\nname = \"a\"\nergebnis = 256\n", "\"ergebnis\" muss zwischen 0 und 255 liegen", 3, 12},
        BadFile{"[[fall]]\nname = \"a\"\nergebnis = -1\n", "\"ergebnis\" muss zwischen 0 und 255 liegen", 3, 12},
        BadFile{"modus = 3\n[[fall]]\nname = \"a\"\n", "\"modus\" muss zwischen 0 und 2 liegen", 1, 9},
        BadFile{"max_schritte = 0\n[[fall]]\nname = \"a\"\n",
                "\"max_schritte\" muss zwischen 1 und 1000000000000000 liegen", 1, 16},
        BadFile{"max_schritte = inf\n[[fall]]\nname = \"a\"\n",
                "\"max_schritte\" muss zwischen 1 und 1000000000000000 liegen", 1, 16},
        BadFile{"[[fall]]\nname = \"a\"\ntoleranz = -1e-9\n", "\"toleranz\" darf nicht negativ sein", 3, 12},
        BadFile{"[[fall]]\nname = \"a\"\ntoleranz = nan\n", "\"toleranz\" darf nicht negativ sein", 3, 12},
        BadFile{"[[fall]]\nname = \"a\"\ndateien = { \"../x.dat\" = \"1\" }\n",
                "ung\xFCltiger Dateiname \"../x.dat\": erlaubt ist nur ein Name ohne Verzeichnis", 3, 13},
        BadFile{"[[fall]]\nname = \"a\"\nerwartete_dateien = { \"a\\\\b.dat\" = \"\" }\n",
                "ung\xFCltiger Dateiname \"a\\b.dat\": erlaubt ist nur ein Name ohne Verzeichnis", 3, 23},
        BadFile{"[[fall]]\nname = \"a\"\ndateien = { \"..\" = \"\" }\n",
                "ung\xFCltiger Dateiname \"..\": erlaubt ist nur ein Name ohne Verzeichnis", 3, 13},
        BadFile{"titel = \"t\"\n",
                "keine F\xE4lle: die Pr\xFC"
                "fdatei braucht mindestens einen [[fall]]",
                1, 1},
        BadFile{"[[fall]]\neingabe = []\n", "jeder Fall braucht einen \"name\", der nicht leer ist", 1, 1},
        BadFile{"[[fall]]\nname = \"a\"\n[[fall]]\nname = \"\"\n",
                "jeder Fall braucht einen \"name\", der nicht leer ist", 3, 1}));

TEST(ExerciseParser, SyntaxErrorNamesItsLineAndColumn) {
    struct Case {
        const char* toml;
        std::uint32_t line;
    };
    for (const Case& c : {Case{"titel = \"offen\n[[fall]]\nname = \"a\"\n", 1},
                          Case{"[[fall]]\nname = \"a\"\nname = \"b\"\n", 3},  // a key twice
                          Case{"[[fall]\nname = \"a\"\n", 1}, Case{"[[fall]]\nname = \"a\"\nausgabe = \n", 3},
                          Case{"[[fall]]\nname = \"\xFF\"\n", 2}}) {  // not UTF-8
        SCOPED_TRACE(c.toml);
        const ParsedExercise parsed = ParseExercise(c.toml);
        ASSERT_TRUE(parsed.error);
        EXPECT_EQ(parsed.error->message.rfind("Syntaxfehler: ", 0), 0u) << parsed.error->message;
        EXPECT_EQ(parsed.error->line, c.line);
        EXPECT_GE(parsed.error->column, 1u);
    }
}

}  // namespace
}  // namespace zek::testing
