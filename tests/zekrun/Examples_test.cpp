// Every example program runs through the real zekrun; its output text must
// equal the golden file examples/NAME.expected (UTF-8, CR LF line ends).

#include <gtest/gtest.h>

#include "support/ZekrunSandbox.h"

namespace zek::testing {
namespace {

struct ExampleCase {
    const char* name;
    const char* input;  // standard input of the run
    int exitCode;
};

void PrintTo(const ExampleCase& example, std::ostream* os) { *os << example.name; }

class Example : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(Example, OutputEqualsGoldenFile) {
    if (ZekrunBinary().empty()) GTEST_SKIP() << "ZEK_TEST_BIN_DIR is not set";
    const ExampleCase& example = GetParam();
    const std::filesystem::path program = ExamplesDirectory() / (std::string(example.name) + ".zek");
    const std::string expected = ReadBytes(ExamplesDirectory() / (std::string(example.name) + ".expected"));
    ASSERT_FALSE(expected.empty()) << "missing golden file for " << example.name;

    ZekrunSandbox sandbox;
    sandbox.Write("programm.zek", ReadBytes(program));
    const ZekrunResult result = sandbox.Run({"programm.zek"}, example.input);
    EXPECT_EQ(result.exitCode, example.exitCode) << result.err;
    EXPECT_EQ(result.out, expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, Example,
                         ::testing::Values(ExampleCase{"schleife", "", 0}, ExampleCase{"felder", "", 0},
                                           ExampleCase{"ausgabetext", "", 0}, ExampleCase{"dateien", "", 0},
                                           // the last failing line (log of 0) gives the result code
                                           ExampleCase{"fehler", "", 108}, ExampleCase{"winkel", "", 0},
                                           ExampleCase{"eingabe", "3\n4,5\n", 0}),
                         [](const ::testing::TestParamInfo<ExampleCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Examples, AreWindows1252WithCrLfLineEnds) {
    for (const auto& entry : std::filesystem::directory_iterator(ExamplesDirectory())) {
        if (entry.path().extension() != ".zek") continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = ReadBytes(entry.path());
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
            }
            if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
            }
        }
        // UTF-8 would show its lead bytes C3/C2 before umlauts and the degree sign.
        EXPECT_EQ(bytes.find("\xC3"), std::string::npos);
        EXPECT_EQ(bytes.find("\xC2"), std::string::npos);
    }
}

TEST(Examples, FilesWrittenByTheProgramsLieInTheWorkingDirectory) {
    if (ZekrunBinary().empty()) GTEST_SKIP() << "ZEK_TEST_BIN_DIR is not set";
    ZekrunSandbox sandbox;
    sandbox.Write("dateien.zek", ReadBytes(ExamplesDirectory() / "dateien.zek"));
    sandbox.Write("ausgabetext.zek", ReadBytes(ExamplesDirectory() / "ausgabetext.zek"));
    ASSERT_EQ(sandbox.Run({"dateien.zek"}).exitCode, 0);
    ASSERT_EQ(sandbox.Run({"ausgabetext.zek"}).exitCode, 0);

    // Pointer (written as its address, arbitrary), then the four elements.
    const std::string data = sandbox.Read("messwerte.dat");
    const std::string elements = " 1.5\r\n-2\r\n 2500000\r\n 0.25\r\n";
    ASSERT_GT(data.size(), elements.size());
    EXPECT_EQ(data.substr(data.size() - elements.size()), elements);
    EXPECT_EQ(sandbox.Read("zaehler.dat"), " 17\r\n");
    // save writes the output text followed by CR LF; zekrun printed the same text.
    const std::string golden = ReadBytes(ExamplesDirectory() / "ausgabetext.expected");
    EXPECT_EQ(sandbox.Read("tabelle.txt"), golden + "\r\n");
}

TEST(Examples, InputDialogTranscriptOnStderr) {
    if (ZekrunBinary().empty()) GTEST_SKIP() << "ZEK_TEST_BIN_DIR is not set";
    ZekrunSandbox sandbox;
    sandbox.Write("eingabe.zek", ReadBytes(ExamplesDirectory() / "eingabe.zek"));
    const ZekrunResult result = sandbox.Run({"eingabe.zek"}, "3\n4,5\n");
    EXPECT_EQ(result.err,
              "Addition zweier Zahlen\n"
              "Erste Zahl:\na = 3\n"
              "Zweite Zahl:\nb = 4,5\n"
              "Zwischenergebnis summe = 7.5\n"
              "Die Summe ist:\nsumme = 7.5\n"
              "Weiter mit der Ausgabe\n");
}

}  // namespace
}  // namespace zek::testing
