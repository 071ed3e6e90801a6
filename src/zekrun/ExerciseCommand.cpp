#include "zekrun/ExerciseCommand.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "core/assembler/SourceReader.h"
#include "core/base/Encoding1252.h"
#include "core/exercise/CaseDirectory.h"
#include "core/exercise/ExerciseParser.h"
#include "core/exercise/ExerciseReport.h"
#include "core/exercise/ExerciseRun.h"
#include "zekrun/JUnitReport.h"

namespace zekrun {
namespace {

namespace fs = std::filesystem;

constexpr int AllPassed = 0;
constexpr int SomeFailed = 1;
constexpr int InvalidTestFile = 2;
constexpr int UsageError = 64;      // EX_USAGE
constexpr int InputDataError = 65;  // EX_DATAERR: an empty program
constexpr int NoInput = 66;         // EX_NOINPUT
constexpr int CannotCreate = 73;    // EX_CANTCREAT

void Message(const std::string& utf8) { std::fprintf(stderr, "zekrun: %s\n", utf8.c_str()); }

void PrintLine(const std::string& text1252) {
    const std::string utf8 = zek::Utf8From1252(text1252) + "\n";
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

// A FILE on the command line wins over the test file's programm, which is
// relative to the test file.
fs::path ProgramPath(const Options& options, const zek::Exercise& exercise) {
    if (!options.file.empty()) return options.file;
    if (exercise.program.empty()) return {};
    return fs::path(options.testFile).parent_path() / exercise.program;
}

std::string SuiteName(const zek::Exercise& exercise, const Options& options) {
    if (!exercise.title.empty()) return exercise.title;
    return zek::Utf8To1252(fs::path(options.testFile).stem().string());
}

bool WriteJUnit(const std::string& path, const std::string& xml) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(xml.data(), 1, xml.size(), file) == xml.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int CheckExerciseCommand(const Options& options) {
    const std::optional<std::string> testFile = zek::ReadFileBytes(options.testFile);
    if (!testFile) {
        Message("Prüfdatei kann nicht gelesen werden: " + options.testFile);
        return NoInput;
    }
    const zek::ParsedExercise parsed = zek::ParseExercise(*testFile);
    if (parsed.error) {
        Message(options.testFile + ", " + zek::Utf8From1252(zek::DescribeFileError(*parsed.error)));
        return InvalidTestFile;
    }
    const fs::path program = ProgramPath(options, parsed.exercise);
    if (program.empty()) {
        Message("Programmdatei fehlt: weder DATEI noch \"programm\" in der Prüfdatei");
        return UsageError;
    }
    const std::optional<std::string> source = zek::ReadFileBytes(program);
    if (!source) {
        Message("Datei kann nicht gelesen werden: " + program.string());
        return NoInput;
    }
    if (source->empty()) {
        Message("Programmtext ist leer. Assembler kann nicht starten.");
        return InputDataError;
    }

    const auto start = std::chrono::steady_clock::now();
    const std::vector<zek::CaseResult> results =
        zek::CheckExercise(parsed.exercise, zek::SourceTextFromBytes(*source), options.jobs);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;

    for (const zek::CaseResult& result : results)
        for (const std::string& line : zek::CaseReportLines(result)) PrintLine(line);
    PrintLine(zek::SummaryLine(results));
    std::fflush(stdout);
    if (options.stats) std::fprintf(stderr, "%zu Fälle, %.3f s\n", results.size(), seconds.count());

    if (!options.junitFile.empty() &&
        !WriteJUnit(options.junitFile, JUnitXml(SuiteName(parsed.exercise, options), results))) {
        Message("JUnit-Datei kann nicht geschrieben werden: " + options.junitFile);
        return CannotCreate;
    }
    return zek::PassedCount(results) == results.size() ? AllPassed : SomeFailed;
}

}  // namespace zekrun
