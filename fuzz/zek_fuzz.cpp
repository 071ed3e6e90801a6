// libFuzzer target: arbitrary bytes as a source program. The first byte
// chooses the run mode, the rest is the source text. The program is
// assembled, run for at most 10,000 instructions with scripted dialog
// answers, and every report is built from the result. Data files go to a
// private temporary directory that is emptied after each input, so that one
// input never sees the files of another.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/assembler/Assembler.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "support/ScriptedWindowSystem.h"

namespace {

constexpr std::int64_t kMaxSteps = 10000;

const std::filesystem::path& DataDirectory() {
    static const std::filesystem::path directory = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "zek_fuzz_XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        return std::filesystem::path(pattern);
    }();
    return directory;
}

void EmptyDataDirectory() {
    for (const auto& entry : std::filesystem::directory_iterator(DataDirectory()))
        std::filesystem::remove_all(entry.path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    zek::ZekState state;
    state.DataDirectory = DataDirectory().string();
    state.RunMode = zek::RunModeOf(data[0] % 3);
    zek::testing::ScriptedWindowSystem windows(state);
    // The I/O dialog takes a number from the input's second byte, then the
    // default answers (accept the value, continue after every halt).
    windows.dialogActions.push_back(zek::testing::ScriptedWindowSystem::Enter(size > 1 ? data[1] - 128.5 : 0));

    const std::string_view source(reinterpret_cast<const char*>(data + 1), size - 1);
    zek::Assemble(state, windows, source);
    if (state.ErrorCode == 0) zek::Run(state, windows, kMaxSteps);

    zek::ExecutionProtocol(state);
    zek::CodeTableListing(state);
    zek::SymbolTableListing(state, windows, false);
    zek::SymbolTableListing(state, windows, true);
    EmptyDataDirectory();
    return 0;
}
