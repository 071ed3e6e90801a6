#pragma once
// Runs the real zekrun binary in a fresh temporary directory, with a given
// standard input, and captures its exit status, stdout and stderr.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace zek::testing {

struct ZekrunResult {
    int exitCode = -1;  // -1: did not exit normally
    std::string out;
    std::string err;
};

// The binary, from ZEK_TEST_BIN_DIR (the build's bin/ directory); empty when unset.
inline std::filesystem::path ZekrunBinary() {
    const char* dir = std::getenv("ZEK_TEST_BIN_DIR");
    if (!dir || !*dir) return {};
    return std::filesystem::path(dir) / "zekrun";
}

// The source tree's examples/ directory.
inline std::filesystem::path ExamplesDirectory() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class ZekrunSandbox {
public:
    ZekrunSandbox() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zekrun_test_XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        std::filesystem::create_directory(root_ / "work");
    }
    ~ZekrunSandbox() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ZekrunSandbox(const ZekrunSandbox&) = delete;
    ZekrunSandbox& operator=(const ZekrunSandbox&) = delete;

    // The working directory of the runs: program and data files lie here.
    std::filesystem::path Dir() const { return root_ / "work"; }

    void Write(const std::string& name, const std::string& bytes) const { WriteBytes(Dir() / name, bytes); }
    std::string Read(const std::string& name) const { return ReadBytes(Dir() / name); }

    ZekrunResult Run(const std::vector<std::string>& args, const std::string& input = {}) const {
        const std::filesystem::path in = root_ / "stdin", out = root_ / "stdout", err = root_ / "stderr";
        WriteBytes(in, input);
        const std::string binary = ZekrunBinary().string();
        std::vector<std::string> argvStrings = {binary};
        argvStrings.insert(argvStrings.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : argvStrings) argv.push_back(arg.data());
        argv.push_back(nullptr);

        const pid_t child = fork();
        if (child == 0) {
            if (chdir(Dir().c_str()) != 0) _exit(127);
            Redirect(in, O_RDONLY, STDIN_FILENO);
            Redirect(out, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
            Redirect(err, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
            execv(binary.c_str(), argv.data());
            _exit(127);
        }
        ZekrunResult result;
        int status = 0;
        if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
            result.exitCode = WEXITSTATUS(status);
        result.out = ReadBytes(out);
        result.err = ReadBytes(err);
        return result;
    }

private:
    static void Redirect(const std::filesystem::path& path, int flags, int target) {
        const int fd = open(path.c_str(), flags, 0644);
        if (fd < 0 || dup2(fd, target) < 0) _exit(127);
        close(fd);
    }

    std::filesystem::path root_;
};

}  // namespace zek::testing
