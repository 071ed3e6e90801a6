#include "core/processor/FileReplacement.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace zek {

namespace fs = std::filesystem;

namespace {

std::string SystemErrorText(int error) { return std::error_code(error, std::generic_category()).message(); }

// "~zek" followed by eight hex digits and ".tmp": short, so that any name
// the target directory accepts for the file also fits for the temporary.
std::string TemporaryName(std::uint32_t bits) {
    std::string name = "~zek";
    for (int shift = 28; shift >= 0; shift -= 4) name += "0123456789abcdef"[(bits >> shift) & 0xFu];
    return name + ".tmp";
}

// Creates a file that did not exist before next to `path` ("x": exclusive),
// so that no other file is ever overwritten by the temporary.
std::FILE* CreateTemporaryFile(const fs::path& path, fs::path& temporary, std::string& failure) {
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (std::uint32_t attempt = 0; attempt < 16; ++attempt) {
        temporary =
            path.parent_path() / TemporaryName(static_cast<std::uint32_t>(now ^ (now >> 32)) + attempt * 0x9E3779B9u);
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) return file;
        if (errno != EEXIST) {
            failure = SystemErrorText(errno);
            return nullptr;
        }
    }
    failure = SystemErrorText(EEXIST);
    return nullptr;
}

bool WriteAndClose(std::FILE* file, std::string_view content, std::string& failure) {
    errno = 0;
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() && std::fflush(file) == 0;
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) failure = SystemErrorText(error != 0 ? error : EIO);
    return written;
}

}  // namespace

bool ReplaceFileContent(const fs::path& path, std::string_view content, std::string& failure) {
    std::error_code error;
    const fs::file_status old = fs::status(path, error);
    const bool replacing = fs::is_regular_file(old);
    if (replacing && (old.permissions() & fs::perms::owner_write) == fs::perms::none) {
        failure = SystemErrorText(EACCES);
        return false;
    }

    fs::path temporary;
    std::FILE* file = CreateTemporaryFile(path, temporary, failure);
    if (file == nullptr) return false;
    bool done = WriteAndClose(file, content, failure);
    if (done && replacing) {
        fs::permissions(temporary, old.permissions(), error);
        if (error) failure = error.message();
        done = !error;
    }
    if (done) {
        fs::rename(temporary, path, error);
        if (error) failure = error.message();
        done = !error;
    }
    if (!done) fs::remove(temporary, error);
    return done;
}

}  // namespace zek
