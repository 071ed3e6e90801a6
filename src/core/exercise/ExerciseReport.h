#pragma once
// The German report of a check, as zekrun prints it and the window shows
// it: one line per case, "OK      name" or "FEHLER  name: reason", each
// failure followed by indented details, and the summary line. Texts are
// Windows-1252, lines without line ends.

#include <string>
#include <vector>

#include "core/exercise/CaseResult.h"

namespace zek {

// The report lines of one case.
std::vector<std::string> CaseReportLines(const CaseResult& result);

// The reason of a failed case: what its first mismatch was.
std::string FailureReason(const CaseResult& result);

// The details below the reason, indented relative to each other: a further
// mismatch at 0, the lines that explain a mismatch at 2.
std::vector<std::string> FailureDetails(const CaseResult& result);

std::size_t PassedCount(const std::vector<CaseResult>& results);

// "N bestanden, M fehlgeschlagen".
std::string SummaryLine(const std::vector<CaseResult>& results);

}  // namespace zek
