#pragma once
// The exercise program of the exercise tests: reads n, sums 1 .. n into s
// and prints "Summe:" and s in a field of 4.

#include <string>

namespace zek::testing {

inline const std::string SumProgram =
    "_name Summe\r\n"
    "input n\r\n"
    "clr s\r\n"
    "mov i 1\r\n"
    "l:\r\n"
    "add s i\r\n"
    "inc i\r\n"
    "cmple i n l\r\n"
    "prints Summe:\r\n"
    "printn s 3 0\r\n"
    "prints \\\r\n"
    "exit\r\n";

}  // namespace zek::testing
