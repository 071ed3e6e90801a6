#pragma once
// Reading and writing the program's text files (source programs, saved
// reports, the text window's text). Text is Windows-1252 bytes.

#include <QString>
#include <string>
#include <string_view>

namespace zek::ui {

// Writes `bytes` as the whole content of the file at `path`. The bytes go to
// a temporary file first, which then replaces the old file, so a failed
// write (full disk, missing directory, crash) leaves the old file intact.
bool WriteTextFile(const QString& path, std::string_view bytes);

// Reads a source file as lines and returns them each followed by CR LF (see
// SourceTextFromBytes). On failure returns false and leaves `text` alone.
bool ReadSourceFile(const QString& path, std::string& text);

}  // namespace zek::ui
