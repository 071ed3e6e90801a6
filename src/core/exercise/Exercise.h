#pragma once
// A checked exercise as a teacher's test file describes it: the program to
// check and its cases, each with the input it reads and what it must
// produce. Texts are Windows-1252; line breaks in expected texts are LF.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

struct ExpectedSymbol {
    std::string name;
    double value = 0;
};

// A file by its plain name (no directory part) and its content.
struct ExerciseFile {
    std::string name;
    std::string content;
};

struct ExerciseCase {
    std::string name;
    std::vector<std::string> input;     // the lines that input reads, in order
    std::optional<std::string> output;  // the whole OutputText
    std::vector<std::string> contains;  // texts the OutputText holds, in this order
    std::vector<ExpectedSymbol> symbols;
    std::optional<std::uint8_t> result;  // the run's result code
    std::vector<ExerciseFile> files;     // placed into the case's directory first
    std::vector<ExerciseFile> expectedFiles;
    std::int64_t maxSteps = 1000000;
    double tolerance = 1e-9;  // relative, for symbol values
    std::int32_t mode = 0;    // RunMode of the case
};

struct Exercise {
    std::string title;    // empty when the file names none
    std::string program;  // the program's path as written (UTF-8), relative to the test file
    std::vector<ExerciseCase> cases;
};

// The text with each CR LF replaced by LF.
inline std::string WithLfLineEnds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) result += text[i];
    return result;
}

}  // namespace zek
