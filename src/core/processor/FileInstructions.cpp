// write, read and save: data files "<stem>.dat" with one value per line and
// the output-text file "<stem>.txt", all in the data directory.

#include <cerrno>
#include <cmath>
#include <fstream>
#include <system_error>

#include "core/base/NameCoding.h"
#include "core/base/NumberFormat.h"
#include "core/base/NumberReading.h"
#include "core/processor/Control.h"
#include "core/processor/DialogOrFileInstructions.h"
#include "core/processor/FileReplacement.h"
#include "core/store/ProgramStore.h"

namespace zek {

namespace fs = std::filesystem;

namespace {

// The file named after the symbol at `address`. FileNameOf leaves no
// separator or dot in the stem, so the file always lies in the data directory.
fs::path FilePath(const ZekState& state, std::int32_t address, std::string_view extension) {
    std::string fileName = FileNameOf(state.Symbols[address].name);
    fileName += extension;
    if (state.DataDirectory.empty()) return fs::path(fileName);
    return fs::path(state.DataDirectory) / fileName;
}

// A failing file operation: code 100 with the fault's description for
// ErrorText; the instruction carries on with its next step, and a later code
// of the same instruction overwrites the 100.
void FileFault(ZekState& state, const fs::path& path, std::string_view what, const std::string& cause) {
    state.ErrorCode = errors::RuntimeFault;
    state.FaultDescription = "Datei " + path.filename().string() + " " + std::string(what) + ": " + cause;
}

// The cause of the last failed stream operation, as far as the system tells.
std::string StreamFailure() { return std::error_code(errno != 0 ? errno : EIO, std::generic_category()).message(); }

// The last of the symbol addresses up to `last` that the SymbolTable holds.
std::int32_t LastInTable(const ZekState& state, double last) {
    const std::int32_t highest = state.Symbols.HighestAddress();
    return last > highest ? highest : static_cast<std::int32_t>(last);
}

// The count b of read and write as Int(y); false when nothing is to be done
// (a negative count, or a not-a-number, which has no integer value).
bool CountOperand(ZekState& state, double y, double& count) {
    count = std::floor(y);
    if (std::isnan(count)) state.ErrorCode = OverflowFault(state);
    return count >= 0;
}

// One line of a data file: the general form of the value without "'",
// blanks, "\xB1" and "+", with "." as decimal separator, a blank in front
// unless it begins with "-".
std::string DataLine(double value) {
    std::string text;
    for (const char c : GeneralNumber(value)) {
        if (c == '\'' || c == ' ' || c == '\xB1' || c == '+') continue;
        text += c == ',' ? '.' : c;
    }
    if (text.empty() || text.front() != '-') text.insert(0, 1, ' ');
    return text + "\r\n";
}

void ReplaceFile(ZekState& state, const fs::path& path, std::string_view content) {
    std::string failure;
    if (!ReplaceFileContent(path, content, failure)) FileFault(state, path, "nicht geschrieben", failure);
}

// Length of the file; a missing file is first created empty (opened for
// append), an existing one is left untouched, so that a write-protected data
// file still reads. 0 when the file system refuses either step.
std::uintmax_t LengthCreatingFile(ZekState& state, const fs::path& path) {
    std::error_code error;
    errno = 0;
    if (!fs::exists(path, error) && !std::ofstream(path, std::ios::binary | std::ios::app).is_open())
        FileFault(state, path,
                  "nicht ge\xF6"
                  "ffnet",
                  StreamFailure());
    const std::uintmax_t length = fs::file_size(path, error);
    if (!error) return length;
    FileFault(state, path, "ohne L\xE4nge", error.message());
    return 0;
}

// A value read from a data file, held within the value limit.
double LimitedValue(ZekState& state, double value) {
    if (value > ValueLimit) {
        state.ErrorCode = errors::Overflow;
        return ValueLimit;
    }
    if (!(value >= -ValueLimit)) {
        state.ErrorCode = errors::Overflow;
        return -ValueLimit;
    }
    return value;
}

// Reads lines into the symbols base .. last (last may lie beyond the
// table); a line ends with LF, a CR before it is dropped. A file that cannot
// be opened fails every read of a line: each of those symbols keeps its
// value, and the checks of the symbols beyond the table still run.
void ReadValues(ZekState& state, const fs::path& path, std::int32_t base, double last) {
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    const bool opened = file.is_open();
    const std::string openFailure = opened ? std::string() : StreamFailure();
    const std::int32_t lastInTable = LastInTable(state, last);
    std::string line;
    for (std::int32_t k = base; k <= lastInTable; ++k) {
        if (!opened) {
            FileFault(state, path, "nicht gelesen", openFailure);
            continue;
        }
        if (file.peek() == std::char_traits<char>::eof()) {
            state.ErrorCode = errors::EndOfDataFile;
            continue;
        }
        std::getline(file, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        bool overflow = false;
        const double value = NumberFromText(line, &overflow);
        if (overflow) state.ErrorCode = OverflowFault(state);
        state.Symbols[k].value = LimitedValue(state, value);
    }
    if (last > lastInTable) state.ErrorCode = errors::NoSuchSymbolAddress;
    if (file.bad()) FileFault(state, path, "nicht gelesen", StreamFailure());
}

}  // namespace

void ExecuteWrite(ZekState& state, WindowSystem&, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    double count = 0;
    if (CountOperand(state, cycle.ValueB, count)) {
        const std::int32_t base = instruction.operand1;
        const double last = base + count;
        const std::int32_t lastInTable = LastInTable(state, last);
        std::string content;
        for (std::int32_t k = base; k <= lastInTable; ++k) content += DataLine(state.Symbols[k].value);
        ReplaceFile(state, FilePath(state, base, ".dat"), content);
        // The symbols beyond the table come last, after every line written.
        if (last > lastInTable) state.ErrorCode = errors::SymbolNotDefined;
    }
}

void ExecuteRead(ZekState& state, WindowSystem&, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    double count = 0;
    if (CountOperand(state, cycle.ValueB, count)) {
        const std::int32_t base = instruction.operand1;
        const fs::path path = FilePath(state, base, ".dat");
        if (LengthCreatingFile(state, path) == 0)
            state.ErrorCode = errors::EmptyDataFile;
        else
            ReadValues(state, path, base, base + count);
    }
}

void ExecuteSave(ZekState& state, WindowSystem&, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    ReplaceFile(state, FilePath(state, instruction.operand1, ".txt"), state.OutputText + "\r\n");
}

}  // namespace zek
