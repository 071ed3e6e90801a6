#pragma once
// The result of a check as JUnit XML, for CI systems and learning
// platforms: one testsuite, one testcase per case, a failure with the
// reason and the details for each failed case.

#include <string>
#include <vector>

#include "core/exercise/CaseResult.h"

namespace zekrun {

// The document in UTF-8; `suiteName` and the results are Windows-1252.
std::string JUnitXml(const std::string& suiteName, const std::vector<zek::CaseResult>& results);

}  // namespace zekrun
