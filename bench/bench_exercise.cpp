// A teacher's test file of 100 cases checked against a program of 1000
// instructions: parsing the file, assembling the program, running every
// case in its own directory and checking it, on one thread and on all
// cores. A second program loops 100 times over the same lines, so that the
// run itself dominates.

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>

#include "BenchSupport.h"
#include "core/exercise/ExerciseParser.h"
#include "core/exercise/ExerciseReport.h"
#include "core/exercise/ExerciseRun.h"

namespace {

constexpr int Cases = 100;
constexpr int Pairs = 498;  // «add s n», «inc s»; with input, clr, printn and exit 1000 instructions

// The pairs once, or `rounds` times in a loop (two more lines for the loop).
std::string Program(int rounds) {
    std::string source = "input n\r\nclr s\r\n";
    if (rounds > 1) source += "l:\r\n";
    for (int i = 0; i < Pairs; ++i) source += "add s n\r\ninc s\r\n";
    if (rounds > 1) source += "inc k\r\ncmplt k " + std::to_string(rounds) + " l\r\n";
    return source + "printn s 0 0\r\nexit\r\n";
}

std::string TestFile(int rounds) {
    std::string toml = "titel = \"Benchmark\"\n";
    for (int n = 1; n <= Cases; ++n) {
        const std::string sum = std::to_string(rounds * Pairs * (n + 1));
        toml += "[[fall]]\nname = \"n = " + std::to_string(n) + "\"\neingabe = [\"" + std::to_string(n) +
                "\"]\nausgabe = \" " + sum + "\"\nsymbole = { s = " + sum + " }\nergebnis = 0\n";
    }
    return toml;
}

// Best wall time of a few rounds of parse and check with `jobs` threads;
// negative when a case failed.
double BestSeconds(int rounds, unsigned jobs) {
    const std::string toml = TestFile(rounds);
    const std::string source = Program(rounds);
    double best = 1E300;
    for (int round = 0; round < 5; ++round) {
        const zek::bench::Stopwatch watch;
        const zek::ParsedExercise parsed = zek::ParseExercise(toml);
        const std::vector<zek::CaseResult> results = zek::CheckExercise(parsed.exercise, source, jobs);
        best = std::min(best, watch.Seconds());
        if (parsed.error || results.size() != Cases || zek::PassedCount(results) != Cases) return -1;
    }
    return best;
}

}  // namespace

int main() {
    const unsigned cores = std::max(2u, std::thread::hardware_concurrency());
    std::printf("bench_exercise: %d cases, best of 5 rounds (parse, assemble, run, check)\n", Cases);
    for (int rounds : {1, 100}) {
        std::printf("  %d instructions run per case\n", rounds == 1 ? 1000 : rounds * (2 * Pairs + 2) + 4);
        for (unsigned jobs : {1u, cores}) {
            const double seconds = BestSeconds(rounds, jobs);
            if (seconds < 0) {
                std::printf("    a case failed\n");
                return 1;
            }
            std::printf("    %u thread%s  %.3f s (%.3f ms per case)\n", jobs, jobs == 1 ? " " : "s", seconds,
                        seconds / Cases * 1E3);
        }
    }
    return 0;
}
