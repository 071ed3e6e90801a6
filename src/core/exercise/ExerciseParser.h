#pragma once
// Reading a teacher's test file (TOML, UTF-8) into an Exercise. Every fault
// of the file, a syntax error as well as an unknown key or a value of the
// wrong type, is an error with its line and column, so that a typo never
// passes silently.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/exercise/Exercise.h"

namespace zek {

struct ExerciseFileError {
    std::string message;  // German, Windows-1252
    std::uint32_t line = 0;
    std::uint32_t column = 0;
};

struct ParsedExercise {
    Exercise exercise;
    std::optional<ExerciseFileError> error;  // set: the file is invalid
};

ParsedExercise ParseExercise(std::string_view utf8);

// "Zeile L, Spalte C: message".
std::string DescribeFileError(const ExerciseFileError& error);

}  // namespace zek
