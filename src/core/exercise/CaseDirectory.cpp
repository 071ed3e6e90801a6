#include "core/exercise/CaseDirectory.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "core/base/Encoding1252.h"

namespace zek {

namespace fs = std::filesystem;

CaseDirectory::CaseDirectory() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) return;
    std::string pattern = (base / "zek-fall-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
}

CaseDirectory::~CaseDirectory() {
    if (!Created()) return;
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

// Names are plain (the test file allows no directory part); on disk they are UTF-8.
fs::path CaseDirectory::FilePath(const std::string& name) const { return path_ / Utf8From1252(name); }

bool CaseDirectory::Clear(std::string& failure) const {
    std::error_code error;
    for (fs::directory_iterator entry(path_, error), end; !error && entry != end; entry.increment(error))
        fs::remove_all(entry->path(), error);
    if (error) failure = "Arbeitsverzeichnis nicht geleert: " + error.message();
    return !error;
}

bool CaseDirectory::Place(const ExerciseFile& file, std::string& failure) const {
    std::string bytes;
    for (const char c : file.content) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    errno = 0;
    std::FILE* out = std::fopen(FilePath(file.name).c_str(), "wb");
    bool written = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (out && std::fclose(out) != 0) written = false;
    if (!written)
        failure = "Datei " + file.name +
                  " nicht geschrieben: " + std::error_code(errno != 0 ? errno : EIO, std::generic_category()).message();
    return written;
}

std::optional<std::string> CaseDirectory::Read(const std::string& name) const { return ReadFileBytes(FilePath(name)); }

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) return std::nullopt;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

}  // namespace zek
