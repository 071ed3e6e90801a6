#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if defined(__unix__)
#include <fcntl.h>
#include <unistd.h>

#include "support/ResourceLimit.h"
#endif

#include "support/DialogOrFileFixture.h"

namespace zek::testing {
namespace {

namespace fs = std::filesystem;

// Every test works in a fresh data directory of its own.
class FileInstructionsTest : public DialogOrFileTest {
protected:
    FileInstructionsTest() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        directory = fs::temp_directory_path() /
                    ("zek-io-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        fs::remove_all(directory);
        fs::create_directories(directory);
        state.DataDirectory = directory.string();
    }
    ~FileInstructionsTest() override {
        std::error_code ignored;
        fs::permissions(directory, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(directory, ignored);
    }

    static std::string Contents(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    static void Put(const fs::path& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    std::vector<std::string> DirectoryEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Symbols named Werte, Werte1 .. Werte<count-1> holding `values`.
    std::int32_t Array(const std::vector<double>& values) {
        const std::int32_t base = Symbol("Werte", values.at(0));
        for (std::size_t i = 1; i < values.size(); ++i) Symbol("Werte" + std::to_string(i), values[i]);
        return base;
    }

    fs::path directory;
};

// ---- write ---------------------------------------------------------------

TEST_F(FileInstructionsTest, WriteNormalisesEachValueOnItsOwnLine) {
    const std::int32_t base = Array({2, -0.5, 1E20, 1.5E-07, 0, -1E-300});
    Execute(ExecuteWrite, base, Symbol("5", 5));
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);
    EXPECT_EQ(Contents(directory / "werte.dat"), " 2\r\n-0.5\r\n 1E20\r\n 1.5E-07\r\n 0\r\n-1E-300\r\n");
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"werte.dat"});  // no temporary file left
}

TEST_F(FileInstructionsTest, WriteOfCountZeroWritesOneLineAndNegativeCountNothing) {
    const std::int32_t base = Array({4, 5});
    Put(directory / "werte.dat", "alter Inhalt");
    Execute(ExecuteWrite, base, Symbol("-1", -1));
    EXPECT_EQ(Contents(directory / "werte.dat"), "alter Inhalt");
    Execute(ExecuteWrite, base, 0);
    EXPECT_EQ(Contents(directory / "werte.dat"), " 4\r\n");
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(FileInstructionsTest, WriteBeyondTheTableWritesTheRestAndSets117) {
    const std::int32_t base = Array({1, 2});
    Execute(ExecuteWrite, base, Symbol("1E99", 1E99));  // far beyond: the count is 1E99
    EXPECT_EQ(state.ErrorCode, 117);
    EXPECT_EQ(Contents(directory / "werte.dat"), " 1\r\n 2\r\n 1E99\r\n");  // the count symbol is last
}

TEST_F(FileInstructionsTest, WriteKeepsThePermissionsOfTheReplacedFile) {
    const fs::path file = directory / "werte.dat";
    Put(file, "alt");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    Execute(ExecuteWrite, Array({3}), 0);
    EXPECT_EQ(Contents(file), " 3\r\n");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

// ---- read ----------------------------------------------------------------

TEST_F(FileInstructionsTest, ValuesOfFifteenDigitsReadBackExactly) {
    const std::vector<double> values{3.14159265358979, -2.71828182845906E-250, 123456789012345,       0.1,
                                     1.5E-07,          9.999999999999E99,      -0.000123456789012345, 1E20,
                                     0.333333333333333};
    const std::int32_t base = Array(values);
    const std::int32_t count = Symbol(std::to_string(values.size() - 1), static_cast<double>(values.size() - 1));
    Execute(ExecuteWrite, base, count);
    for (std::size_t i = 0; i < values.size(); ++i) ValueOf(base + static_cast<std::int32_t>(i)) = 0;

    Execute(ExecuteRead, base, count);
    EXPECT_EQ(state.ErrorCode, 0);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(ValueOf(base + static_cast<std::int32_t>(i)), values[i]) << "line " << i;
}

TEST_F(FileInstructionsTest, ReadOfAMissingFileCreatesItEmptyAndSets117) {
    const std::int32_t base = Array({7, 8});
    Execute(ExecuteRead, base, Symbol("1", 1));
    EXPECT_EQ(state.ErrorCode, 117);
    EXPECT_TRUE(fs::is_regular_file(directory / "werte.dat"));
    EXPECT_EQ(fs::file_size(directory / "werte.dat"), 0u);
    EXPECT_EQ(ValueOf(base), 7);
    EXPECT_EQ(ValueOf(base + 1), 8);
}

TEST_F(FileInstructionsTest, ReadOfAShortFileKeepsTheRemainingValuesAndSets113) {
    const std::int32_t base = Array({0, 0, 0, 40, 50, 60});
    Put(directory / "werte.dat", " 1\r\n 2\r\n 3\r\n");
    Execute(ExecuteRead, base, Symbol("5", 5));
    EXPECT_EQ(state.ErrorCode, 113);
    const std::vector<double> expected{1, 2, 3, 40, 50, 60};
    for (std::int32_t i = 0; i < 6; ++i) EXPECT_EQ(ValueOf(base + i), expected[static_cast<std::size_t>(i)]);
}

TEST_F(FileInstructionsTest, ReadAcceptsCommaLoneLineFeedsAndALastLineWithoutEnd) {
    const std::int32_t base = Array({0, 0, 0, 0, 9});
    Put(directory / "werte.dat", "3,5\r\n-2.5D2\n kein Wert\r\n7");
    Execute(ExecuteRead, base, Symbol("3", 3));
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(ValueOf(base), 3.5);
    EXPECT_EQ(ValueOf(base + 1), -250);
    EXPECT_EQ(ValueOf(base + 2), 0);
    EXPECT_EQ(ValueOf(base + 3), 7);
    EXPECT_EQ(ValueOf(base + 4), 9);
}

TEST_F(FileInstructionsTest, ReadHoldsValuesWithinTheLimitAndSets101) {
    const std::int32_t base = Array({0, 0, 0});
    Put(directory / "werte.dat", "1E400\r\n-1E400\r\n1E100\r\n");
    Execute(ExecuteRead, base, Symbol("2", 2));
    EXPECT_EQ(state.ErrorCode, 101);
    EXPECT_EQ(ValueOf(base), ValueLimit);
    EXPECT_EQ(ValueOf(base + 1), -ValueLimit);
    EXPECT_EQ(ValueOf(base + 2), ValueLimit);
}

TEST_F(FileInstructionsTest, ReadBeyondTheTableSets114) {
    const std::int32_t base = Array({0, 0});
    Put(directory / "werte.dat", " 1\r\n 2\r\n 3\r\n 4\r\n");
    const std::int32_t count = Symbol("3", 3);  // the table ends with this symbol
    Execute(ExecuteRead, base, count);
    EXPECT_EQ(state.ErrorCode, 114);
    EXPECT_EQ(ValueOf(base), 1);
    EXPECT_EQ(ValueOf(base + 1), 2);
    EXPECT_EQ(ValueOf(count), 3);
}

TEST_F(FileInstructionsTest, AWriteProtectedDataFileReads) {
    const fs::path file = directory / "werte.dat";
    Put(file, " 6\r\n");
    fs::permissions(file, fs::perms::owner_read);
    const std::int32_t base = Array({0});
    Execute(ExecuteRead, base, 0);
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(ValueOf(base), 6);
}

TEST_F(FileInstructionsTest, ReadWithNegativeCountDoesNotTouchTheFileSystem) {
    Execute(ExecuteRead, Array({1}), Symbol("-1", -1));
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_TRUE(DirectoryEntries().empty());
}

// ---- save ----------------------------------------------------------------

TEST_F(FileInstructionsTest, SaveWritesTheOutputTextAndALineBreak) {
    const std::int32_t name = Symbol("Bericht");
    state.OutputText = "Zeile 1\r\nZeile 2";
    Execute(ExecuteSave, name);
    EXPECT_EQ(Contents(directory / "bericht.txt"), "Zeile 1\r\nZeile 2\r\n");
    Execute(ExecuteCls, 0);
    Execute(ExecuteSave, name);
    EXPECT_EQ(Contents(directory / "bericht.txt"), "\r\n");
    EXPECT_EQ(state.ErrorCode, 0);
}

// ---- file names ----------------------------------------------------------

TEST_F(FileInstructionsTest, FileNamesStayInTheDataDirectory) {
    const fs::path inside = directory / "a" / "b";
    fs::create_directories(inside);
    state.DataDirectory = inside.string();
    Execute(ExecuteWrite, Symbol("../../x", 1), 0);
    Execute(ExecuteSave, Symbol("/tmp/zek"));
    EXPECT_TRUE(fs::is_regular_file(inside / "______x.dat"));
    EXPECT_TRUE(fs::is_regular_file(inside / "_tmp_zek.txt"));
    EXPECT_FALSE(fs::exists(directory / "x.dat"));
    EXPECT_FALSE(fs::exists(directory / "a" / "x.dat"));
}

TEST_F(FileInstructionsTest, NamesDifferingInCaseOrSpecialCharactersShareAFile) {
    Execute(ExecuteWrite, Symbol("Data", 1), 0);
    Execute(ExecuteWrite, Symbol("data", 2), 0);
    Execute(ExecuteWrite, Symbol("x'", 3), 0);
    Execute(ExecuteWrite, Symbol("x_", 4), 0);
    EXPECT_EQ(DirectoryEntries(), (std::vector<std::string>{"data.dat", "x_.dat"}));
    EXPECT_EQ(Contents(directory / "data.dat"), " 2\r\n");
    EXPECT_EQ(Contents(directory / "x_.dat"), " 4\r\n");
}

TEST_F(FileInstructionsTest, WithoutDataDirectoryFilesGoToTheWorkingDirectory) {
    const fs::path previous = fs::current_path();
    fs::current_path(directory);
    state.DataDirectory.clear();
    Execute(ExecuteWrite, Symbol("Hier", 5), 0);
    fs::current_path(previous);
    EXPECT_EQ(Contents(directory / "hier.dat"), " 5\r\n");
}

// ---- failures of the file system -----------------------------------------

TEST_F(FileInstructionsTest, ADataDirectoryBelowAFileFailsWith100) {
    Put(directory / "datei", "");
    state.DataDirectory = (directory / "datei" / "unter").string();
    const std::int32_t base = Array({1});
    Execute(ExecuteWrite, base, 0);
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_NE(state.FaultDescription.find("werte.dat"), std::string::npos);
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);

    state.FaultDescription.clear();
    Execute(ExecuteSave, base);
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_NE(state.FaultDescription.find("werte.txt"), std::string::npos);

    Execute(ExecuteRead, base, 0);  // cannot be created: read as an empty file
    EXPECT_EQ(state.ErrorCode, 117);
    EXPECT_EQ(ValueOf(base), 1);
}

TEST_F(FileInstructionsTest, ADirectoryOfTheFilesNameIsLeftAlone) {
    fs::create_directory(directory / "werte.dat");
    Put(directory / "werte.dat" / "inhalt", "x");
    Execute(ExecuteWrite, Array({1}), 0);
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_EQ(Contents(directory / "werte.dat" / "inhalt"), "x");
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"werte.dat"});
}

TEST_F(FileInstructionsTest, AWriteProtectedFileIsNotReplaced) {
    const fs::path file = directory / "werte.dat";
    Put(file, " 1\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Execute(ExecuteWrite, Array({2}), 0);
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_EQ(Contents(file), " 1\r\n");
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"werte.dat"});
}

#if defined(__unix__)
TEST_F(FileInstructionsTest, AWriteProtectedDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores permission bits";
    const fs::path file = directory / "werte.dat";
    Put(file, " 1\r\n");
    fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec);
    Execute(ExecuteWrite, Array({2}), 0);
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_EQ(Contents(file), " 1\r\n");
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"werte.dat"});
}

// A file-size limit makes writing fail even for root, like a full disk.
TEST_F(FileInstructionsTest, AFailedWriteLeavesTheOldFileIntact) {
    const fs::path file = directory / "werte.dat";
    const std::string old = " 1\r\n 2\r\n";
    Put(file, old);
    const std::int32_t base = Array(std::vector<double>(100, 0.125));
    const std::int32_t count = Symbol("99", 99);
    {
        const ScopedResourceLimit fullDisk(RLIMIT_FSIZE, 64);
        ASSERT_TRUE(fullDisk.Ok());
        Execute(ExecuteWrite, base, count);
    }
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_EQ(Contents(file), old);
    EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"werte.dat"});
}

// Only the last error of an instruction remains: after a write that failed,
// the symbols beyond the table still give 117.
TEST_F(FileInstructionsTest, AFailedWriteBeyondTheTableEndsWith117) {
    state.DataDirectory = (directory / "fehlt").string();
    const std::int32_t base = Array({1, 2});
    Execute(ExecuteWrite, base, Symbol("5", 5));
    EXPECT_EQ(state.ErrorCode, 117);
    EXPECT_NE(state.FaultDescription.find("werte.dat"), std::string::npos);  // the failure on the way
}

// The lowest file descriptor not in use: a limit of it leaves no file to open.
int LowestFreeDescriptor() {
    const int descriptor = ::open("/dev/null", O_RDONLY);
    ::close(descriptor);
    return descriptor;
}

// An existing file that cannot be opened fails each value it should give;
// those symbols keep their values, and the symbols beyond the table still
// give 114.
TEST_F(FileInstructionsTest, AnExistingFileThatCannotBeOpenedFailsEveryValue) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' own checks need free file descriptors";
#endif
    Put(directory / "werte.dat", " 7\r\n 8\r\n");
    const std::int32_t base = Array({1, 2});
    const std::int32_t beyond = Symbol("5", 5);
    const std::int32_t within = Symbol("1", 1);
    struct Case {
        std::int32_t count;
        std::uint8_t error;
    };
    for (const Case& c : {Case{beyond, 114}, Case{within, 100}}) {
        state.FaultDescription.clear();
        {
            const ScopedResourceLimit noFiles(RLIMIT_NOFILE, static_cast<rlim_t>(LowestFreeDescriptor()));
            ASSERT_TRUE(noFiles.Ok());
            Execute(ExecuteRead, base, c.count);
        }
        EXPECT_EQ(state.ErrorCode, c.error);
        EXPECT_EQ(ValueOf(base), 1);
        EXPECT_EQ(ValueOf(base + 1), 2);
        EXPECT_NE(state.FaultDescription.find("werte.dat nicht gelesen"), std::string::npos);
    }
}
#endif

}  // namespace
}  // namespace zek::testing
