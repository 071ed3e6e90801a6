#pragma once
// The command line of zekrun: one table of options, from which the
// parser, the usage text and --help are made.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zekrun {

struct Options {
    // Running one program
    std::int32_t mode = 0;
    std::set<std::int32_t> breakLines;  // line numbers as the error list counts them
    std::vector<std::string> reports;
    std::int64_t maxSteps = 0;
    bool quiet = false;
    // Checking an exercise
    std::string testFile;
    std::string junitFile;
    unsigned jobs = 0;  // 0: one case per processor core
    // Both
    bool stats = false;
    std::string file;  // the program; with --test it may be omitted
    bool help = false;
    bool version = false;
};

// Parses the arguments; on a usage error returns nothing and has written
// why, with the usage text, to stderr.
std::optional<Options> ParseArguments(int argc, char** argv);

// The usage lines and every option with its German description.
std::string HelpText();

}  // namespace zekrun
