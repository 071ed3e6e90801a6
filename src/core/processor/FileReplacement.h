#pragma once
// Writing a whole file so that a failure never costs the old content.

#include <filesystem>
#include <string>
#include <string_view>

namespace zek {

// Replaces the file at `path` by exactly `content`. The content first goes
// into a fresh temporary file "~zekXXXXXXXX.tmp" (eight random hex digits,
// created exclusively) in the same directory, which is then renamed over
// `path`; the new file keeps the old one's permissions. A file without write
// permission is not replaced. On failure the old file is left as it was, the
// temporary file is removed, `failure` describes the cause and the result
// is false.
bool ReplaceFileContent(const std::filesystem::path& path, std::string_view content, std::string& failure);

}  // namespace zek
