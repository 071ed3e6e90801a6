// The execution loop of the ZE-Prozessor: one instruction per cycle, the
// checks after it, the statistics, halts, signals and yielding.
//
// The loop's registers are the members of one Loop object that lives only
// inside Execute. Every member function the cycle calls is always inlined:
// one call out of line would hand the object's address to the callee, and
// the compiler would then keep every register in memory (bench_loop shows
// it). For the same reason nothing outside the cycle gets a register's
// address: calls out of the loop work on a Cycle copy (see CallOut), and the
// shared ErrorCode is written only around them, since an unsigned char
// store may alias any memory and would make the compiler reload the tables
// every cycle.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/processor/Arithmetic.h"
#include "core/processor/Control.h"
#include "core/processor/Cycle.h"
#include "core/processor/DialogOrFileInstructions.h"
#include "core/processor/Processor.h"
#include "core/reports/InstructionTrace.h"

namespace zek {
namespace {

constexpr int YieldInterval = 1000;

using RareInstruction = void(ZekState&, const Instruction&, Cycle&);

void AskToAbortActiveRun(ZekState& state, WindowSystem& windows) {
    try {
        const MessageAnswer answer = windows.MessageBox("Prozessorruf bei aktivem Prozessor. Abbruchsignal setzen?",
                                                        "ZEK: Prozessor", MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Yes) {
            state.AbortSignal = true;
            state.ErrorCode = errors::AbortDuringOperation;
        }
    } catch (...) {
        // The question is a courtesy; the active run goes on either way.
    }
}

// Decodes every line once, so that the cycle never compares mnemonics, and
// makes sure that every operand names a symbol and that "." and ".." exist.
// The breakpoint lines become flags on their instructions. Kept out of
// Execute: inlined, it costs the cycle registers (bench_loop).
[[gnu::noinline]] bool DecodeProgram(ZekState& state) {
    if (state.Code.empty() || state.Symbols.size() < 2) return false;
    for (Instruction& line : state.Code) {
        line.operation = DecodeOperation(line.group, line.mnemonic);
        line.breakpoint = false;
        if (!state.Symbols.IsAddress(line.operand1) || !state.Symbols.IsAddress(line.operand2) ||
            !state.Symbols.IsAddress(line.operand3))
            return false;
    }
    for (const std::int32_t line : state.BreakpointLines) {
        const std::int32_t address = state.LineMap.CodeAddressOf(line);
        if (address > 0 && static_cast<std::size_t>(address) < state.Code.size())
            state.Code[static_cast<std::size_t>(address)].breakpoint = true;
    }
    return true;
}

// A value beyond ±ValueLimit (or not a number) at the written symbol is
// clamped with 101; an infinity or a NaN is first recorded as an overflow.
std::uint8_t ClampToValueLimit(ZekState& state, double& value) {
    if (!std::isfinite(value)) OverflowFault(state);
    value = value > ValueLimit ? ValueLimit : -ValueLimit;
    return errors::Overflow;
}

// The instruction counter as the trace shows it: a run longer than the
// 32-bit range keeps showing the largest count.
std::int32_t ShownCounter(std::int64_t count) {
    return count > std::numeric_limits<std::int32_t>::max() ? std::numeric_limits<std::int32_t>::max()
                                                            : static_cast<std::int32_t>(count);
}

void ShowHalt(ZekState& state, WindowSystem& windows, const Cycle& cycle) {
    state.HaltSignal = false;
    state.Trace = {cycle.ValueA, cycle.ValueB, cycle.ValueC};
    try {
        const std::string text = InstructionTrace(state, cycle.IP, cycle.NextIP, cycle.IC);
        ApplyHaltAnswer(state, windows.ShowHaltDialog("ZE-Maschine: Halt", text, {cycle.IP, cycle.NextIP}));
    } catch (...) {
        state.ErrorCode = errors::RuntimeFault;
    }
    if (state.ExitSignal) state.ErrorCode = errors::AbortDuringOperation;
}

void YieldOnce(ZekState& state, WindowSystem& windows, const Cycle&) {
    try {
        windows.Yield();
    } catch (...) {
        state.ErrorCode = errors::RuntimeFault;
    }
}

// A failure inside a dialog or file instruction is an internal fault (100),
// and the run goes on with the next line.
void ExecuteDialogOrFile(DialogOrFileInstruction& execute, ZekState& state, WindowSystem& windows,
                         const Instruction& line, Cycle& cycle) {
    try {
        execute(state, windows, line, cycle);
    } catch (...) {
        state.ErrorCode = errors::RuntimeFault;
        cycle.NextIP = cycle.IP + 1;
    }
    if (state.InternalFault) {
        state.InternalFault = false;
        state.ErrorCode = errors::RuntimeFault;
    }
}

// The run's result: an abort stays; otherwise the last error of the
// highest-addressed line that failed during the run, or 0.
std::uint8_t ResultOfRun(const CodeTable& code, std::uint8_t lastCode) {
    if (lastCode == errors::AbortDuringOperation || lastCode == errors::AbortBeforeOperation) return lastCode;
    std::uint8_t result = 0;
    for (std::size_t address = 1; address < code.size(); ++address)
        if (code[address].lastErrorCode != 0) result = code[address].lastErrorCode;
    return result;
}

// The tables are not fit to run, or a call out of the loop has changed
// their shape: an internal fault.
void AbandonRun(ZekState& state) {
    state.FaultDescription =
        "Programmtabellen ung\xFC"
        "ltig";
    state.ErrorCode = errors::RuntimeFault;
}

// One run: the loop registers and the instruction cycle.
class Loop {
public:
    Loop(ZekState& state, WindowSystem& windows, std::int64_t maxSteps)
        : state_(state),
          windows_(windows),
          codeSize_(state.Code.size()),
          symbolCount_(state.Symbols.size()),
          last_(static_cast<std::int32_t>(codeSize_ - 1)),
          stepBound_(maxSteps > 0 ? maxSteps : std::numeric_limits<std::int64_t>::max()),
          nextEvent_(std::min<std::int64_t>(YieldInterval, stepBound_)),
          errorCode_(state.ErrorCode),
          breakpoints_(!state.BreakpointLines.empty()) {
        TakeTables();
    }

    // One instruction cycle; false when the run is over.
    [[gnu::always_inline]] bool RunCycle() {
        const Operation operation = Begin();
        if (!state_.AbortSignal && !Dispatch(operation)) [[unlikely]]
            return Abandon();
        CheckWrittenValue();
        CheckNextAddress();
        CountExecution();
        if (HaltsAfter(operation) && !CallOut(ShowHalt)) [[unlikely]]
            return Abandon();
        errorHandled_ = false;
        if (ic_ == nextEvent_ && !ReachEvent()) [[unlikely]]
            return Abandon();
        TakeAbortSignal();
        return Advance();
    }

    // The run ended because a call out of the loop changed the tables' shape.
    bool Abandoned() const { return abandoned_; }
    std::uint8_t ErrorCode() const { return errorCode_; }

private:
    // Begins the instruction at IP: counts it, resets "." to 0 and ".." to
    // IP, reads the operand values and clears ErrorCode, except for the
    // three instructions that look at the error of the one before them.
    [[gnu::always_inline]] Operation Begin() {
        ++ic_;
        line_ = &code_[ip_];
        symbols_[0].value = 0;
        state_.ExitSignal = false;
        symbols_[1].value = ip_;
        a_ = symbols_[line_->operand1].value;
        b_ = symbols_[line_->operand2].value;
        c_ = symbols_[line_->operand3].value;
        putAddress_ = 0;
        const Operation operation = line_->operation;
        if (operation != Operation::Err && operation != Operation::Errcode && operation != Operation::Errjump)
            errorCode_ = 0;
        return operation;
    }

    // Runs the instruction; false when a call out of the loop has changed
    // the tables' shape.
    [[gnu::always_inline]] bool Dispatch(Operation operation) {
        nextIP_ = ip_ + 1;
        switch (operation) {
            case Operation::Mov: Operand1() = b_; break;
            case Operation::Clr: Operand1() = 0; break;
            case Operation::Neg: StoreChecked(0 - a_); break;
            case Operation::Abs: Operand1() = std::fabs(a_); break;
            case Operation::Add: StoreChecked(a_ + b_); break;
            case Operation::Sub: StoreChecked(a_ - b_); break;
            case Operation::Mul: Store(compute::Mul(a_, b_)); break;
            case Operation::Div: Store(compute::Div(a_, b_)); break;
            case Operation::Power: Store(compute::Power(a_, b_)); break;
            case Operation::Root: Store(compute::Root(a_, b_)); break;
            case Operation::Sin: Store(compute::Sin(a_)); break;
            case Operation::Cos: Store(compute::Cos(a_)); break;
            case Operation::Tan: Store(compute::Tan(a_)); break;
            case Operation::Cot: Store(compute::Cot(a_)); break;
            case Operation::Sec: Store(compute::Sec(a_)); break;
            case Operation::Csc: Store(compute::Csc(a_)); break;
            case Operation::Asin: Store(compute::Asin(a_, b_)); break;
            case Operation::Acos: Store(compute::Acos(a_, b_)); break;
            case Operation::Atan: Store(compute::Atan(a_, b_)); break;
            case Operation::Acot: Store(compute::Acot(a_, b_)); break;
            case Operation::Asec: Store(compute::Asec(a_, b_)); break;
            case Operation::Acsc: Store(compute::Acsc(a_, b_)); break;
            case Operation::Sinh: Store(compute::Sinh(a_)); break;
            case Operation::Cosh: Store(compute::Cosh(a_)); break;
            case Operation::Tanh: Store(compute::Tanh(a_)); break;
            case Operation::Coth: Store(compute::Coth(a_)); break;
            case Operation::Sech: Store(compute::Sech(a_)); break;
            case Operation::Csch: Store(compute::Csch(a_)); break;
            case Operation::Asinh: Store(compute::Asinh(a_)); break;
            case Operation::Acosh: Store(compute::Acosh(a_)); break;
            case Operation::Atanh: Store(compute::Atanh(a_)); break;
            case Operation::Acoth: Store(compute::Acoth(a_)); break;
            case Operation::Asech: Store(compute::Asech(a_)); break;
            case Operation::Acsch: Store(compute::Acsch(a_)); break;
            case Operation::Exp: Store(compute::Exp(a_)); break;
            case Operation::Exp10: Store(compute::Exp10(a_)); break;
            case Operation::Exp2: Store(compute::Exp2(a_)); break;
            case Operation::Expx: Store(compute::Expx(a_, b_)); break;
            case Operation::Log: Store(compute::Log(a_)); break;
            case Operation::Log10: Store(compute::Log10(a_)); break;
            case Operation::Log2: Store(compute::Log2(a_)); break;
            case Operation::Logx: Store(compute::Logx(a_, b_)); break;
            case Operation::Bin: StoreChecked(compute::Bin(a_)); break;
            case Operation::Not: StoreChecked(compute::Not(a_)); break;
            case Operation::And: StoreChecked(compute::And(a_, b_)); break;
            case Operation::Or: StoreChecked(compute::Or(a_, b_)); break;
            case Operation::Inc: StoreChecked(a_ + 1); break;
            case Operation::Dec: StoreChecked(a_ - 1); break;
            case Operation::Sgn: Operand1() = compute::Sgn(a_); break;
            case Operation::Round: Operand1() = compute::Round(a_); break;
            case Operation::Ceil: Operand1() = compute::Ceil(a_); break;
            case Operation::Floor: Operand1() = compute::Int(a_); break;
            case Operation::Fix: Operand1() = compute::Fix(a_); break;
            case Operation::Frac: Operand1() = compute::Frac(a_); break;
            case Operation::Clip: StoreChecked(Bounded(compute::Clip)); break;
            case Operation::Cmod: Store(Bounded(compute::Cmod)); break;
            case Operation::Random: StoreChecked(compute::Random(state_.Random)); break;
            case Operation::Adrof: StoreChecked(line_->operand2); break;
            case Operation::Get: return Rare(ExecuteGet);
            case Operation::Put: return Rare(ExecutePut);
            case Operation::Input: return DialogOrFile(ExecuteInput);
            case Operation::Output: return DialogOrFile(ExecuteOutput);
            case Operation::Pause: return DialogOrFile(ExecutePause);
            case Operation::Proof: return DialogOrFile(ExecuteProof);
            case Operation::Info: return DialogOrFile(ExecuteInfo);
            case Operation::Cls: return DialogOrFile(ExecuteCls);
            case Operation::Printn: return DialogOrFile(ExecutePrintn);
            case Operation::Prints: return DialogOrFile(ExecutePrints);
            case Operation::Read: return DialogOrFile(ExecuteRead);
            case Operation::Write: return DialogOrFile(ExecuteWrite);
            case Operation::Save: return DialogOrFile(ExecuteSave);
            case Operation::Mode: return Rare(ExecuteMode);
            case Operation::Halt: state_.HaltSignal = true; break;
            case Operation::Err: return Rare(ExecuteErr);
            case Operation::Errjump: return Rare(ExecuteErrjump);
            case Operation::Errcode: return Rare(ExecuteErrcode);
            case Operation::Exit: Exit(); break;
            // clang-format off
            case Operation::Init: case Operation::Nop: case Operation::End: case Operation::PseudoLab:
            case Operation::PseudoDim: case Operation::PseudoVar: case Operation::PseudoConfig:
            case Operation::PseudoName: break;
            case Operation::PseudoEnd: case Operation::Unknown: errorCode_ = errors::UnknownInstruction; break;
            case Operation::Cmpgt: JumpIf(a_ > b_, c_); break;   case Operation::Tstgt: JumpIf(a_ > 0, b_); break;
            case Operation::Cmpge: JumpIf(a_ >= b_, c_); break;  case Operation::Tstge: JumpIf(a_ >= 0, b_); break;
            case Operation::Cmplt: JumpIf(a_ < b_, c_); break;   case Operation::Tstlt: JumpIf(a_ < 0, b_); break;
            case Operation::Cmple: JumpIf(a_ <= b_, c_); break;  case Operation::Tstle: JumpIf(a_ <= 0, b_); break;
            case Operation::Cmpeq: JumpIf(a_ == b_, c_); break;  case Operation::Tsteq: JumpIf(a_ == 0, b_); break;
            case Operation::Cmpne: JumpIf(a_ != b_, c_); break;  case Operation::Tstne: JumpIf(a_ != 0, b_); break;
            // clang-format on
            case Operation::Jump: JumpIf(true, a_); break;
        }
        return true;
    }

    // ---- the ways an instruction ends ----

    [[gnu::always_inline]] double& Operand1() { return symbols_[line_->operand1].value; }

    // A value for operand 1 that the range check looks at.
    [[gnu::always_inline]] void StoreChecked(double value) {
        Operand1() = value;
        putAddress_ = line_->operand1;
    }

    // A value for operand 1 with its error code.
    [[gnu::always_inline]] void Store(Outcome outcome) {
        StoreChecked(outcome.value);
        errorCode_ = outcome.error;
    }

    // clip and cmod may exchange their bounds, which the trace then shows.
    // They work on copies, so that no register's address leaves the loop.
    template <typename Result>
    [[gnu::always_inline]] Result Bounded(Result (*compute)(double, double&, double&)) {
        double y = b_;
        double z = c_;
        const Result result = compute(a_, y, z);
        b_ = y;
        c_ = z;
        return result;
    }

    // Jumps to Int(target); a target beyond 32 bits is an overflow.
    [[gnu::always_inline]] void JumpIf(bool condition, double target) {
        if (condition && !IntToInt32(target, nextIP_)) errorCode_ = OverflowFault(state_);
    }

    // exit: NextIP is left as it was, so the trace shows the exit line as next.
    [[gnu::always_inline]] void Exit() {
        state_.ExitSignal = true;
        nextIP_ = ip_;
    }

    [[gnu::always_inline]] bool Rare(RareInstruction& execute) {
        const Instruction& line = *line_;
        return CallOut([&](ZekState& state, WindowSystem&, Cycle& cycle) { execute(state, line, cycle); });
    }

    [[gnu::always_inline]] bool DialogOrFile(DialogOrFileInstruction& execute) {
        const Instruction& line = *line_;
        return CallOut([&](ZekState& state, WindowSystem& windows, Cycle& cycle) {
            ExecuteDialogOrFile(execute, state, windows, line, cycle);
        });
    }

    // ---- the checks and the bookkeeping after the instruction ----

    // The range check of the symbol at PutAddress (symbol 0 when none).
    [[gnu::always_inline]] void CheckWrittenValue() {
        if (double& value = symbols_[putAddress_].value; !(std::fabs(value) <= ValueLimit))
            errorCode_ = ClampToValueLimit(state_, value);
    }

    // NextIP must lie within 1 .. last; otherwise 115 (unless an error was
    // just handled) and the run goes on with the next line. The range is
    // tested first: the abort signal is read only when it fails.
    [[gnu::always_inline]] void CheckNextAddress() {
        if (static_cast<std::uint32_t>(nextIP_) - 1u < static_cast<std::uint32_t>(last_) || state_.AbortSignal)
            [[likely]]
            return;
        if (!errorHandled_) errorCode_ = errors::NoSuchCodeAddress;
        nextIP_ = ip_ + 1;
    }

    // The line's statistics; code_ is indexed again, since a call out of
    // the loop may have moved the table.
    [[gnu::always_inline]] void CountExecution() {
        Instruction& line = code_[ip_];
        line.executions += 1;
        if (errorCode_ == 0) [[likely]]
            return;
        line.errors += 1;
        line.lastErrorCode = errorCode_;
    }

    // Without breakpoints the halt decision tests only a flag for them.
    [[gnu::always_inline]] bool HaltsAfter(Operation operation) const {
        const RunMode runMode = state_.RunMode;
        return (breakpoints_ && BreakpointAhead()) || runMode == RunMode::Schrittweise ||
               (runMode == RunMode::Fehlerhalt && (errorHandled_ || errorCode_ != 0)) || state_.HaltSignal ||
               operation == Operation::Halt;
    }

    // A run halts before the instruction of a breakpoint line, unless it is
    // ending anyway.
    [[gnu::always_inline]] bool BreakpointAhead() const {
        return static_cast<std::uint32_t>(nextIP_) <= static_cast<std::uint32_t>(last_) && code_[nextIP_].breakpoint &&
               !state_.ExitSignal && !state_.AbortSignal;
    }

    // Every 1000th instruction yields to the window system; the step bound,
    // when given, acts as the abort signal.
    [[gnu::always_inline]] bool ReachEvent() {
        if (ic_ % YieldInterval == 0 && !CallOut(YieldOnce)) return false;
        if (ic_ == stepBound_) state_.AbortSignal = true;
        nextEvent_ = std::min(ic_ - ic_ % YieldInterval + YieldInterval, stepBound_);
        return true;
    }

    [[gnu::always_inline]] void TakeAbortSignal() {
        if (!state_.AbortSignal) [[likely]]
            return;
        state_.AbortSignal = false;
        errorCode_ = errors::AbortDuringOperation;
        state_.ExitSignal = true;
    }

    // On to NextIP, unless the run has been told to end or has run past
    // the last line.
    [[gnu::always_inline]] bool Advance() {
        if (state_.ExitSignal || nextIP_ > last_) [[unlikely]]
            return false;
        ip_ = nextIP_;
        return true;
    }

    // ---- calls out of the loop ----

    // Runs `call` on a copy of the registers, with ErrorCode in the state,
    // and takes the registers back. False when the tables have changed
    // their shape meanwhile.
    template <typename Call>
    [[gnu::always_inline]] bool CallOut(Call&& call) {
        Cycle cycle{ip_, nextIP_, ShownCounter(ic_), putAddress_, a_, b_, c_, errorHandled_};
        state_.ErrorCode = errorCode_;
        call(state_, windows_, cycle);
        errorCode_ = state_.ErrorCode;
        nextIP_ = cycle.NextIP;
        putAddress_ = cycle.PutAddress;
        a_ = cycle.ValueA;
        b_ = cycle.ValueB;
        c_ = cycle.ValueC;
        errorHandled_ = cycle.ErrorHandled;
        TakeTables();
        return state_.Code.size() == codeSize_ && state_.Symbols.size() == symbolCount_;
    }

    [[gnu::always_inline]] void TakeTables() {
        code_ = state_.Code.data();
        symbols_ = &state_.Symbols[0];
    }

    [[gnu::always_inline]] bool Abandon() {
        abandoned_ = true;
        return false;
    }

    ZekState& state_;
    WindowSystem& windows_;
    const std::size_t codeSize_;
    const std::int32_t symbolCount_;
    const std::int32_t last_;
    Instruction* code_ = nullptr;
    Symbol* symbols_ = nullptr;

    // IC is counted in 64 bits, so that yielding never stops; the next
    // event is the next yield or the step bound, whichever comes first.
    const std::int64_t stepBound_;
    std::int64_t nextEvent_;
    std::int64_t ic_ = 0;

    std::int32_t ip_ = 0;
    std::int32_t nextIP_ = -1;
    std::uint8_t errorCode_;
    bool errorHandled_ = false;
    bool abandoned_ = false;
    const bool breakpoints_;

    // The instruction in hand, its operands' values before it ran and the
    // symbol it reports as written (0 none).
    const Instruction* line_ = nullptr;
    double a_ = 0;
    double b_ = 0;
    double c_ = 0;
    std::int32_t putAddress_ = 0;
};

void Execute(ZekState& state, WindowSystem& windows, std::int64_t maxSteps) {
    state.InternalFault = false;
    if (!DecodeProgram(state)) return AbandonRun(state);
    Loop loop(state, windows, maxSteps);
    while (loop.RunCycle()) {
    }
    if (loop.Abandoned()) return AbandonRun(state);
    state.ErrorCode = ResultOfRun(state.Code, loop.ErrorCode());
}

}  // namespace

void Run(ZekState& state, WindowSystem& windows) { Run(state, windows, 0); }

void DiscardResult(ZekState& state) { state.ErrorCode = errors::None; }

void Run(ZekState& state, WindowSystem& windows, std::int64_t maxSteps) {
    if (state.ProcessorActive) {
        AskToAbortActiveRun(state, windows);
        return;
    }
    state.ProcessorActive = true;
    state.RunMode = RunModeOf(static_cast<std::int32_t>(state.RunMode));
    try {
        Execute(state, windows, maxSteps);
    } catch (...) {
        state.ErrorCode = errors::RuntimeFault;
    }
    state.ProcessorActive = false;
}

}  // namespace zek
