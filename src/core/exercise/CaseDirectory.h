#pragma once
// The private working directory of checked cases: a fresh temporary
// directory, emptied before each case and removed with everything in it at
// the end. (One directory serves the cases of one worker in turn, since
// removing a directory costs far more on some file systems than emptying it.)

#include <filesystem>
#include <optional>
#include <string>

#include "core/exercise/Exercise.h"

namespace zek {

class CaseDirectory {
public:
    CaseDirectory();  // check Created() before use
    ~CaseDirectory();
    CaseDirectory(const CaseDirectory&) = delete;
    CaseDirectory& operator=(const CaseDirectory&) = delete;

    bool Created() const { return !path_.empty(); }
    const std::filesystem::path& Path() const { return path_; }

    // Removes everything in the directory; false (with a description in
    // `failure`) when something stays.
    bool Clear(std::string& failure) const;

    // Writes a file of the case: Windows-1252, each LF written as CR LF.
    // False (with a description in `failure`) when it cannot be written.
    bool Place(const ExerciseFile& file, std::string& failure) const;

    // The bytes of the file `name` (Windows-1252), or nothing when it is
    // missing or unreadable.
    std::optional<std::string> Read(const std::string& name) const;

private:
    std::filesystem::path FilePath(const std::string& name) const;

    std::filesystem::path path_;
};

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace zek
