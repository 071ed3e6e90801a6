// End-to-end tests of zekrun --test: the real binary checks programs against
// test files in a temporary working directory.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/Version.h"
#include "support/SumProgram.h"
#include "support/ZekrunSandbox.h"

namespace zek::testing {
namespace {

const std::string SumTest =
    "titel = \"Summe 1 bis n\"\n"
    "programm = \"summe.zek\"\n"
    "[[fall]]\n"
    "name = \"n = 10\"\n"
    "eingabe = [\"10\"]\n"
    "ausgabe = \"Summe:  55\\n\"\n"
    "symbole = { s = 55 }\n"
    "[[fall]]\n"
    "name = \"n = 3\"\n"
    "eingabe = [\"3\"]\n"
    "enthaelt = [\"Summe:\", \"6\"]\n"
    "ergebnis = 0\n";

class ZekrunTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (ZekrunBinary().empty()) GTEST_SKIP() << "ZEK_TEST_BIN_DIR is not set";
        sandbox.Write("summe.zek", SumProgram);
    }

    ZekrunResult Check(const std::string& test, std::vector<std::string> args = {}) {
        sandbox.Write("summe.zektest", test);
        args.insert(args.begin(), {"--test", "summe.zektest"});
        return sandbox.Run(args);
    }

    ZekrunSandbox sandbox;
};

TEST_F(ZekrunTest, AllCasesPassed) {
    for (const char* jobs : {"1", "2"}) {
        const ZekrunResult result = Check(SumTest, {"--jobs", jobs});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "OK      n = 10\nOK      n = 3\n2 bestanden, 0 fehlgeschlagen\n");
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(ZekrunTest, FailedCaseGivesReasonDetailsAndExit1) {
    const ZekrunResult result = Check(SumTest +
                                      "[[fall]]\nname = \"n = 4 (Gr\xC3\xB6\xC3\x9F"
                                      "e)\"\neingabe = [\"4\"]\n"
                                      "ausgabe = \"Summe:  11\\n\"\nsymbole = { s = 11 }\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "OK      n = 10\n"
              "OK      n = 3\n"
              "FEHLER  n = 4 (Gr\xC3\xB6\xC3\x9F"
              "e): Ausgabe weicht in Zeile 1 ab\n"
              "          erwartet: \"Summe:  11\"\n"
              "          erhalten: \"Summe:  10\"\n"
              "        Symbol s falsch\n"
              "          erwartet: 11\n"
              "          erhalten: 10\n"
              "2 bestanden, 1 fehlgeschlagen\n");
}

TEST_F(ZekrunTest, StepLimitAndEndOfInputAreFailures) {
    const ZekrunResult result = Check(
        "programm = \"summe.zek\"\nmax_schritte = 50\n"
        "[[fall]]\nname = \"zu lang\"\neingabe = [\"100\"]\n"
        "[[fall]]\nname = \"ohne Eingabe\"\nmax_schritte = 1000\nergebnis = 0\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "FEHLER  zu lang: Schrittgrenze von 50 Befehlen erreicht\n"
              "FEHLER  ohne Eingabe: Ergebniscode falsch\n"
              "          erwartet: 0\n"
              "          erhalten: 90 (Abbruch durch Bediener bei laufender Operation)\n"
              "        Eingabe ersch\xC3\xB6pft nach 0 Zeilen: Lauf abgebrochen (Ergebniscode 90)\n"
              "0 bestanden, 2 fehlgeschlagen\n");
}

TEST_F(ZekrunTest, FileOnTheCommandLineWinsOverProgramm) {
    // n (n + 1) / 2 in place of the loop
    sandbox.Write("anders.zek",
                  "input n\r\nmov s n\r\ninc s\r\nmul s n\r\ndiv s 2\r\n"
                  "prints Summe:\r\nprintn s 3 0\r\nprints \\\r\nexit\r\n");
    EXPECT_EQ(Check(SumTest, {"anders.zek"}).exitCode, 0);
    sandbox.Write("falsch.zek", "exit\r\n");
    EXPECT_EQ(Check(SumTest, {"falsch.zek"}).exitCode, 1);
}

TEST_F(ZekrunTest, ProgrammIsRelativeToTheTestFile) {
    std::filesystem::create_directory(sandbox.Dir() / "aufgabe");
    sandbox.Write("aufgabe/summe.zek", SumProgram);
    sandbox.Write("aufgabe/summe.zektest", SumTest);
    std::filesystem::remove(sandbox.Dir() / "summe.zek");
    const ZekrunResult result = sandbox.Run({"--test", "aufgabe/summe.zektest"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
}

TEST_F(ZekrunTest, FailedAssemblyFailsEveryCaseAndListsTheErrors) {
    sandbox.Write("kaputt.zek", "mul2 a b\r\n_var " + std::string(1100, 'x') + "\r\nexit\r\n");
    const ZekrunResult result = Check(SumTest, {"kaputt.zek"});
    EXPECT_EQ(result.exitCode, 1);
    // `_var` stops the pass; the error lines listed until then are shown
    const std::string errorLine = "          Zeile 0001: mul2 a b" + std::string(24, ' ') +
                                  " Fehlercode 116 (Unbekannter ZE-Assemblerbefehl mul2)\n";
    EXPECT_EQ(result.out, "FEHLER  n = 10: Assemblierung fehlgeschlagen (Fehlercode 90)\n" + errorLine +
                              "FEHLER  n = 3: Assemblierung fehlgeschlagen (Fehlercode 90)\n" + errorLine +
                              "0 bestanden, 2 fehlgeschlagen\n");
}

TEST_F(ZekrunTest, InvalidTestFileGives2WithLineAndColumn) {
    struct Case {
        std::string test;
        std::string message;
    };
    const Case cases[] = {
        {"[[fall]]\nname = \"a\"\nausgbe = \"x\"\n",
         "zekrun: summe.zektest, Zeile 3, Spalte 1: unbekannter Schl\xC3\xBCssel \"ausgbe\" in [[fall]]\n"},
        {"modus = \"1\"\n[[fall]]\nname = \"a\"\n",
         "zekrun: summe.zektest, Zeile 1, Spalte 9: \"modus\" muss eine ganze Zahl sein\n"},
    };
    for (const Case& c : cases) {
        const ZekrunResult result = Check(c.test);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.message);
    }
    const ZekrunResult syntax = Check("titel = \"offen\n[[fall]]\n");
    EXPECT_EQ(syntax.exitCode, 2);
    EXPECT_EQ(syntax.err.rfind("zekrun: summe.zektest, Zeile 1, Spalte ", 0), 0u) << syntax.err;
    EXPECT_NE(syntax.err.find(": Syntaxfehler: "), std::string::npos) << syntax.err;
}

TEST_F(ZekrunTest, MissingEmptyAndUnreadableFiles) {
    struct Case {
        std::string test;
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    sandbox.Write("leer.zek", "");
    const Case cases[] = {
        {"[[fall]]\nname = \"a\"\n",
         {},
         64,
         "zekrun: Programmdatei fehlt: weder DATEI noch \"programm\" in der Pr\xC3\xBC"
         "fdatei\n"},
        {SumTest, {"leer.zek"}, 65, "zekrun: Programmtext ist leer. Assembler kann nicht starten.\n"},
        {SumTest, {"fehlt.zek"}, 66, "zekrun: Datei kann nicht gelesen werden: fehlt.zek\n"},
        {"programm = \"nirgends.zek\"\n[[fall]]\nname = \"a\"\n",
         {},
         66,
         "zekrun: Datei kann nicht gelesen werden: nirgends.zek\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        const ZekrunResult result = Check(c.test, c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, c.err);
    }
    const ZekrunResult noTestFile = sandbox.Run({"--test", "fehlt.zektest"});
    EXPECT_EQ(noTestFile.exitCode, 66);
    EXPECT_EQ(noTestFile.err,
              "zekrun: Pr\xC3\xBC"
              "fdatei kann nicht gelesen werden: fehlt.zektest\n");
}

TEST_F(ZekrunTest, JUnitReportEscapesSpecialCharacters) {
    const ZekrunResult result = Check(
        "titel = \"Summe <1> & \\\"n\\\"\"\nprogramm = \"summe.zek\"\n"
        "[[fall]]\nname = \"n = 10\"\neingabe = [\"10\"]\n"
        "[[fall]]\nname = \"a < b & 'c'\"\neingabe = [\"2\"]\nausgabe = \"S\\u00fcmme:\\t<3>\\u0001\\n\"\n",
        {"--junit", "bericht.xml"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(sandbox.Read("bericht.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<testsuite name=\"Summe &lt;1&gt; &amp; &quot;n&quot;\" tests=\"2\" failures=\"1\" errors=\"0\">\n"
              "  <testcase name=\"n = 10\" classname=\"Summe &lt;1&gt; &amp; &quot;n&quot;\"/>\n"
              "  <testcase name=\"a &lt; b &amp; &apos;c&apos;\" classname=\"Summe &lt;1&gt; &amp; &quot;n&quot;\">\n"
              "    <failure message=\"Ausgabe weicht in Zeile 1 ab\" type=\"FEHLER\">"
              "  erwartet: \"S\xC3\xBCmme:\t&lt;3&gt;?\"\n"
              "  erhalten: \"Summe:   3\"\n"
              "</failure>\n"
              "  </testcase>\n"
              "</testsuite>\n");
}

TEST_F(ZekrunTest, JUnitSuiteIsNamedAfterTheFileWithoutTitle) {
    const ZekrunResult result =
        Check("programm = \"summe.zek\"\n[[fall]]\nname = \"n = 1\"\neingabe = [\"1\"]\n", {"--junit", "bericht.xml"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(sandbox.Read("bericht.xml").find("<testsuite name=\"summe\" tests=\"1\" failures=\"0\""),
              std::string::npos);
    const ZekrunResult unwritable = Check(SumTest, {"--junit", "fehlt/bericht.xml"});
    EXPECT_EQ(unwritable.exitCode, 73);
    EXPECT_EQ(unwritable.err, "zekrun: JUnit-Datei kann nicht geschrieben werden: fehlt/bericht.xml\n");
}

TEST_F(ZekrunTest, OptionsOfTheOtherCommandAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"--test", "summe.zektest", "--mode", "1"},
        {"--test", "summe.zektest", "--report", "code"},
        {"--test", "summe.zektest", "--max-steps", "10"},
        {"--test", "summe.zektest", "--quiet"},
        {"--junit", "x.xml", "summe.zek"},
        {"--jobs", "2", "summe.zek"},
        {"--test", "summe.zektest", "--jobs", "0"},
        {"--test", ""},
        {"--test"},
    };
    sandbox.Write("summe.zektest", SumTest);
    for (const std::vector<std::string>& args : cases) {
        SCOPED_TRACE(args.back());
        const ZekrunResult result = sandbox.Run(args);
        EXPECT_EQ(result.exitCode, 64);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("Aufruf: zekrun"), std::string::npos);
    }
}

TEST_F(ZekrunTest, HelpListsEveryOptionAndVersionPrintsTheVersion) {
    const ZekrunResult help = sandbox.Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option : {"--mode M ", "--report NAME ", "--max-steps N ", "--quiet ", "--test PRUEFDATEI ",
                               "--junit DATEI ", "--jobs N ", "--stats ", "--help ", "--version "})
        EXPECT_NE(help.out.find(std::string("\n  ") + option), std::string::npos) << option;

    const ZekrunResult version = sandbox.Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("zekrun ") + ProgramVersion + "\n");
}

TEST_F(ZekrunTest, StatsCountTheCases) {
    const ZekrunResult result = Check(SumTest, {"--stats"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err.rfind("2 F\xC3\xA4lle, ", 0), 0u) << result.err;
}

TEST_F(ZekrunTest, ReportsArePrintedAlsoAfterAFailedAssembly) {
    sandbox.Write("kaputt.zek", "mov a 1\r\n_lab " + std::string(1100, 'x') + "\r\nexit\r\n");
    const ZekrunResult result = sandbox.Run({"--report", "code", "kaputt.zek"});
    EXPECT_EQ(result.exitCode, 90);
    EXPECT_NE(result.out.find("mov"), std::string::npos) << result.out;  // the code table as far as it got
    EXPECT_NE(result.err.find("Assembler wurde abgebrochen"), std::string::npos);
}

}  // namespace
}  // namespace zek::testing
