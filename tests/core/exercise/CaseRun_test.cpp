#include "core/exercise/CaseRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/exercise/CaseCheck.h"
#include "core/exercise/CaseDirectory.h"
#include "core/exercise/ExerciseRun.h"
#include "support/SumProgram.h"

namespace zek::testing {
namespace {

ExerciseCase NamedCase(std::vector<std::string> input = {}) {
    ExerciseCase c;
    c.name = "Fall";
    c.input = std::move(input);
    return c;
}

const std::atomic<bool> notCancelled{false};

CaseResult Check(const std::string& source, const ExerciseCase& c) {
    const CaseDirectory directory;
    return RunCase(AssembleForExercise(source), c, directory, notCancelled);
}

template <typename T>
const T& Only(const CaseResult& result) {
    EXPECT_EQ(result.mismatches.size(), 1u);
    static const T none{};
    if (result.mismatches.empty()) return none;
    const T* mismatch = std::get_if<T>(&result.mismatches.front());
    EXPECT_TRUE(mismatch) << "another kind of mismatch: index " << result.mismatches.front().index();
    return mismatch ? *mismatch : none;
}

struct Expectation {
    const char* description;
    std::function<void(ExerciseCase&)> expect;
    std::size_t mismatchIndex;  // kind of the single mismatch; npos: the case passes
};

void PrintTo(const Expectation& e, std::ostream* os) { *os << e.description; }

constexpr std::size_t Passes = std::string::npos;

class EachExpectation : public ::testing::TestWithParam<Expectation> {};

TEST_P(EachExpectation, PassesOrFailsOnTheSumOfOneToTen) {
    ExerciseCase c = NamedCase({"10"});
    GetParam().expect(c);
    const CaseResult result = Check(SumProgram, c);
    EXPECT_EQ(result.resultCode, 0);
    EXPECT_EQ(result.inputLinesRead, 1u);
    if (GetParam().mismatchIndex == Passes) {
        EXPECT_TRUE(result.Passed()) << result.mismatches.front().index();
    } else {
        ASSERT_EQ(result.mismatches.size(), 1u);
        EXPECT_EQ(result.mismatches.front().index(), GetParam().mismatchIndex);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EachExpectation,
    ::testing::Values(Expectation{"output", [](ExerciseCase& c) { c.output = "Summe:  55\n"; }, Passes},
                      Expectation{"other output", [](ExerciseCase& c) { c.output = "Summe:  56\n"; }, 3},
                      Expectation{"texts in order",
                                  [](ExerciseCase& c) {
                                      c.contains = {"Summe", ":", "55", ""};
                                  },
                                  Passes},
                      Expectation{"missing text",
                                  [](ExerciseCase& c) {
                                      c.contains = {"Summe", "56"};
                                  },
                                  4},
                      Expectation{"texts out of order",
                                  [](ExerciseCase& c) {
                                      c.contains = {"55", "Summe"};
                                  },
                                  4},
                      Expectation{"symbol",
                                  [](ExerciseCase& c) {
                                      c.symbols = {{"s", 55}, {"n", 10}};
                                  },
                                  Passes},
                      Expectation{"symbol within the relative tolerance",
                                  [](ExerciseCase& c) {
                                      c.symbols = {{"s", 55 + 5e-8}};
                                  },
                                  Passes},
                      Expectation{"symbol beyond the tolerance",
                                  [](ExerciseCase& c) {
                                      c.symbols = {{"s", 55 + 6e-8}};
                                  },
                                  5},
                      // "." reads 0 after the run: near 0 the tolerance is absolute
                      Expectation{"value near 0",
                                  [](ExerciseCase& c) {
                                      c.symbols = {{".", 1e-9}};
                                  },
                                  Passes},
                      Expectation{"value near 0 beyond the tolerance",
                                  [](ExerciseCase& c) {
                                      c.symbols = {{".", 2e-9}};
                                  },
                                  5},
                      Expectation{"wider tolerance",
                                  [](ExerciseCase& c) {
                                      c.tolerance = 0.2;
                                      c.symbols = {{"s", 50}};
                                  },
                                  Passes},
                      Expectation{"unknown symbol",
                                  [](ExerciseCase& c) {
                                      c.symbols = {{"t", 0}};
                                  },
                                  5},
                      Expectation{"result", [](ExerciseCase& c) { c.result = 0; }, Passes},
                      Expectation{"other result", [](ExerciseCase& c) { c.result = 115; }, 2}));

TEST(CaseRun, DifferencesNameTheirDetails) {
    ExerciseCase c = NamedCase({"10"});
    c.output = "Summe:  55";
    c.contains = {"55", "Summe"};
    c.symbols = {{"s", 54}, {"t", 1}};
    c.result = 102;
    const CaseResult result = Check(SumProgram, c);
    ASSERT_EQ(result.mismatches.size(), 5u);
    const auto& result0 = std::get<WrongResult>(result.mismatches[0]);
    EXPECT_EQ(result0.expected, 102);
    EXPECT_EQ(result0.got, 0);
    const auto& output = std::get<OutputDiffers>(result.mismatches[1]).difference;
    EXPECT_EQ(output.line, 1);
    EXPECT_EQ(output.expected, "Summe:  55");
    EXPECT_EQ(output.got, "Summe:  55");
    EXPECT_FALSE(output.expectedBreak);
    EXPECT_TRUE(output.gotBreak);
    const auto& text = std::get<TextMissing>(result.mismatches[2]);
    EXPECT_EQ(text.text, "Summe");
    EXPECT_EQ(text.previous, "55");
    EXPECT_TRUE(text.elsewhere);
    const auto& s = std::get<WrongSymbol>(result.mismatches[3]);
    EXPECT_EQ(s.name, "s");
    EXPECT_EQ(s.expected, 54);
    EXPECT_EQ(s.got, 55);
    EXPECT_FALSE(std::get<WrongSymbol>(result.mismatches[4]).got);
}

TEST(CaseRun, FirstDifferenceOfTwoTexts) {
    struct Case {
        const char* expected;
        const char* got;
        std::int64_t line;
        std::optional<std::string> expectedLine, gotLine;
    };
    const Case cases[] = {
        {"a\nb\nc\n", "a\nB\nc\n", 2, "b", "B"},
        {"a\nb\n", "a\n", 2, "b", std::nullopt},  // the output has ended
        {"a\n", "a\nzu viel\n", 2, std::nullopt, "zu viel"},
        {"", "x", 1, std::nullopt, "x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        const std::optional<LineDifference> difference = FirstDifference(c.expected, c.got);
        ASSERT_TRUE(difference);
        EXPECT_EQ(difference->line, c.line);
        EXPECT_EQ(difference->expected, c.expectedLine);
        EXPECT_EQ(difference->got, c.gotLine);
    }
    EXPECT_FALSE(FirstDifference("a\nb", "a\nb"));
}

TEST(CaseRun, OutputWithCrLfEqualsExpectedWithLf) {
    ExerciseCase c = NamedCase();
    c.output = "eins\nzwei\n";
    EXPECT_TRUE(Check("prints eins\\zwei\\\r\nexit\r\n", c).Passed());
}

TEST(CaseRun, StepLimitFailsTheCaseWhateverElseItExpects) {
    ExerciseCase endless = NamedCase();
    endless.maxSteps = 1000;
    endless.result = 90;  // what the abort leaves; it does not count
    endless.output = "";
    const CaseResult result = Check("l:\r\njump l\r\n", endless);
    EXPECT_EQ(Only<StepLimitReached>(result).limit, 1000);

    // init, mov, exit: three instructions
    ExerciseCase exact = NamedCase();
    exact.maxSteps = 3;
    EXPECT_TRUE(Check("mov a 1\r\nexit\r\n", exact).Passed());
    exact.maxSteps = 2;
    EXPECT_EQ(Only<StepLimitReached>(Check("mov a 1\r\nexit\r\n", exact)).limit, 2);
}

TEST(CaseRun, EndOfInputAbortsTheRunWithResult90) {
    ExerciseCase c = NamedCase({"4"});
    c.output = "erreicht";
    c.symbols = {{"a", 4}};
    c.result = 90;
    const CaseResult result = Check("input a\r\nprints erreicht\r\ninput b\r\nprints nie\r\nexit\r\n", c);
    EXPECT_TRUE(result.Passed());
    EXPECT_TRUE(result.inputExhausted);
    EXPECT_EQ(result.inputLinesRead, 1u);
    EXPECT_EQ(result.resultCode, 90);
}

TEST(CaseRun, InputLinesAreReadAsTyped) {
    ExerciseCase c = NamedCase({"2,5", "1E3", "abc", ""});
    c.symbols = {{"a", 2.5}, {"b", 1000}, {"c", 0}, {"d", 0}};
    EXPECT_TRUE(Check("input a\r\ninput b\r\ninput c\r\ninput d\r\nexit\r\n", c).Passed());
}

// Reads w, w1, w2 from w.dat and writes their mean to m.dat.
const std::string MeanProgram =
    "_var w\r\n_var w1\r\n_var w2\r\n"
    "read w 2\r\n"
    "mov m w\r\nadd m w1\r\nadd m w2\r\ndiv m 3\r\n"
    "write m 0\r\n"
    "exit\r\n";

TEST(CaseRun, FilesArePlacedFirstAndCheckedAfterwards) {
    ExerciseCase c = NamedCase();
    c.files = {{"w.dat", "1\n2\n4.5\n"}};
    c.expectedFiles = {{"m.dat", " 2.5\n"}, {"w.dat", "1\n2\n4.5\n"}};
    c.symbols = {{"m", 2.5}};
    EXPECT_TRUE(Check(MeanProgram, c).Passed());

    c.expectedFiles = {{"m.dat", " 2.5\nmehr\n"}, {"fehlt.dat", ""}};
    const CaseResult result = Check(MeanProgram, c);
    ASSERT_EQ(result.mismatches.size(), 2u);
    const auto& differs = std::get<FileDiffers>(result.mismatches[0]);
    EXPECT_EQ(differs.name, "m.dat");
    EXPECT_EQ(differs.difference.line, 2);
    EXPECT_EQ(differs.difference.expected, "mehr");
    EXPECT_FALSE(differs.difference.got);
    EXPECT_EQ(std::get<FileMissing>(result.mismatches[1]).name, "fehlt.dat");
}

TEST(CaseRun, CasesSeeNeitherEachOthersFilesNorTheWorkingDirectory) {
    Exercise exercise;
    ExerciseCase withFile = NamedCase();
    withFile.files = {{"w.dat", "3\n3\n3\n"}};
    withFile.symbols = {{"m", 3}};
    ExerciseCase without = NamedCase();
    without.symbols = {{"m", 0}};  // w.dat is missing: read sets 117, the values stay 0
    exercise.cases = {withFile, without, withFile, without};
    for (unsigned jobs : {1u, 2u})
        for (const CaseResult& result : CheckExercise(exercise, MeanProgram, jobs)) EXPECT_TRUE(result.Passed());
    EXPECT_FALSE(std::filesystem::exists("m.dat"));
    EXPECT_FALSE(std::filesystem::exists("w.dat"));
}

TEST(CaseRun, PlacedFilesAreWrittenWithCrLfAndRemovedWithTheDirectory) {
    std::filesystem::path path;
    {
        const CaseDirectory directory;
        ASSERT_TRUE(directory.Created());
        path = directory.Path();
        std::string failure;
        ASSERT_TRUE(directory.Place({"a.dat", "1\n\n2"}, failure)) << failure;
        EXPECT_EQ(directory.Read("a.dat"), "1\r\n\r\n2");
        EXPECT_FALSE(directory.Read("b.dat"));
        ASSERT_TRUE(directory.Place({"b.dat", ""}, failure)) << failure;
        ASSERT_TRUE(directory.Clear(failure)) << failure;
        EXPECT_FALSE(directory.Read("a.dat"));
        EXPECT_TRUE(std::filesystem::is_empty(path));
        ASSERT_TRUE(directory.Place({"c.dat", ""}, failure)) << failure;
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CaseRun, FailedAssemblyFailsEveryCaseWithTheAssemblersCode) {
    const ZekState failed = AssembleForExercise("_var " + std::string(1100, 'x') + "\r\nexit\r\n");
    const CaseDirectory directory;
    for (const char* name : {"a", "b"}) {
        ExerciseCase c = NamedCase();
        c.name = name;
        const CaseResult result = RunCase(failed, c, directory, notCancelled);
        EXPECT_EQ(result.name, name);
        EXPECT_EQ(Only<AssemblyFailed>(result).code, 90);
    }
}

TEST(CaseRun, ListedAssemblyErrorsLeaveTheProgramToRun) {
    ExerciseCase c = NamedCase();
    c.output = "weiter";
    EXPECT_TRUE(Check("mul2 a b\r\nprints weiter\r\nexit\r\n", c).Passed());
}

TEST(CaseRun, HaltsContinueInEveryMode) {
    struct Case {
        std::int32_t mode;
        std::uint8_t result;
    };
    // In 'Schrittweise' the halt after exit turns the result into 90, as in zekrun.
    for (const Case& m : {Case{0, 102}, Case{1, 102}, Case{2, 90}}) {
        SCOPED_TRACE(m.mode);
        ExerciseCase c = NamedCase();
        c.mode = m.mode;
        c.output = "weiter";
        c.result = m.result;
        EXPECT_TRUE(Check("div a 0\r\nhalt\r\nprints weiter\r\nexit\r\n", c).Passed());
    }
}

TEST(CaseRun, CancelledRunStopsAtItsNextYield) {
    ExerciseCase c = NamedCase();
    c.maxSteps = 1'000'000'000'000;
    const std::atomic<bool> cancelled{true};
    const CaseDirectory directory;
    const CaseResult result = RunCase(AssembleForExercise("l:\r\njump l\r\n"), c, directory, cancelled);
    EXPECT_EQ(result.resultCode, 90);
    EXPECT_EQ(result.steps, 1000);
}

TEST(ExerciseRun, ResultsKeepTheOrderOfTheFileOnEveryNumberOfThreads) {
    Exercise exercise;
    for (int n = 1; n <= 9; ++n) {
        ExerciseCase c = NamedCase({std::to_string(n)});
        c.name = "n = " + std::to_string(n);
        c.symbols = {{"s", n * (n + 1) / 2.0}};
        if (n == 5) c.symbols = {{"s", 0}};
        exercise.cases.push_back(c);
    }
    for (unsigned jobs : {1u, 2u, 4u, 16u}) {
        SCOPED_TRACE(jobs);
        const std::vector<CaseResult> results = CheckExercise(exercise, SumProgram, jobs);
        ASSERT_EQ(results.size(), 9u);
        for (int n = 1; n <= 9; ++n) {
            EXPECT_EQ(results[n - 1].name, "n = " + std::to_string(n));
            EXPECT_EQ(results[n - 1].Passed(), n != 5);
        }
    }
}

TEST(ExerciseRun, CancelEndsEndlessCases) {
    Exercise exercise;
    ExerciseCase endless = NamedCase();
    endless.maxSteps = 1'000'000'000'000'000;
    exercise.cases = {endless, endless, endless};
    ExerciseRun run(exercise, "l:\r\njump l\r\n", 2);
    run.Start();
    EXPECT_FALSE(run.Finished());
    run.Cancel();
    run.Wait();
    EXPECT_TRUE(run.Finished());
    EXPECT_TRUE(run.Cancelled());
    EXPECT_LE(run.CasesDone(), 2u);  // no further case is taken
}

}  // namespace
}  // namespace zek::testing
