// The execution loop of the ZE-Prozessor: one instruction per cycle, the
// checks after it, the statistics, halts, signals and yielding.
//
// The loop keeps its registers in locals and writes the shared ErrorCode
// only around calls out of the loop: an unsigned char store may alias any
// memory, which would make the compiler reload the tables every cycle.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/processor/Arithmetic.h"
#include "core/processor/Control.h"
#include "core/processor/Cycle.h"
#include "core/processor/Processor.h"
#include "core/reports/InstructionTrace.h"

namespace zek {
namespace {

constexpr int YieldInterval = 1000;

void AskToAbortActiveRun(ZekState& state, WindowSystem& windows) {
    try {
        const MessageAnswer answer = windows.MessageBox("Prozessorruf bei aktivem Prozessor. Abbruchsignal setzen?",
                                                        "ZEK: Prozessor", MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Yes) {
            state.AbortSignal = true;
            state.ErrorCode = 90;
        }
    } catch (...) {
        // The question is a courtesy; the active run goes on either way.
    }
}

// Decodes every line once, so that the cycle never compares mnemonics, and
// makes sure that every operand names a symbol and that "." and ".." exist.
// The breakpoint lines become flags on their instructions. Kept out of
// Execute: inlined there, it costs the cycle registers (bench_loop).
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
    return 101;
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
        windows.ShowHaltDialog("ZE-Maschine: Halt", text, {cycle.IP, cycle.NextIP});
    } catch (...) {
        state.ErrorCode = 100;
    }
    if (state.ExitSignal) state.ErrorCode = 90;
}

// A run halts before the instruction of a breakpoint line, unless it is
// ending anyway.
bool BreakpointAhead(const ZekState& state, const Instruction* code, std::int32_t last, std::int32_t nextIP) {
    return static_cast<std::uint32_t>(nextIP) <= static_cast<std::uint32_t>(last) && code[nextIP].breakpoint &&
           !state.ExitSignal && !state.AbortSignal;
}

void YieldOnce(ZekState& state, WindowSystem& windows) {
    try {
        windows.Yield();
    } catch (...) {
        state.ErrorCode = 100;
    }
}

void ExecuteGroup6(Operation operation, ZekState& state, WindowSystem& windows, const Instruction& line, Cycle& cycle) {
    try {
        ExecuteDialogOrFile(operation, state, windows, line, cycle);
    } catch (...) {
        state.ErrorCode = 100;
        cycle.NextIP = cycle.IP + 1;
    }
    if (state.InternalFault) {
        state.InternalFault = false;
        state.ErrorCode = 100;
    }
}

// The run's result: an abort stays; otherwise the last error of the
// highest-addressed line that failed during the run, or 0.
std::uint8_t ResultOfRun(const CodeTable& code, std::uint8_t lastCode) {
    if (lastCode == 90 || lastCode == 91) return lastCode;
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
    state.ErrorCode = 100;
}

void Execute(ZekState& state, WindowSystem& windows, std::int64_t maxSteps) {
    state.InternalFault = false;
    if (!DecodeProgram(state)) return AbandonRun(state);

    const std::size_t codeSize = state.Code.size();
    const std::int32_t symbolCount = state.Symbols.size();
    Instruction* code = state.Code.data();
    Symbol* symbols = &state.Symbols[0];
    const auto last = static_cast<std::int32_t>(codeSize - 1);

    std::int32_t ip = 0;
    std::int32_t nextIP = -1;
    // IC is counted in 64 bits, so that yielding never stops, as the count at
    // the next event (a yield or the step bound) less the instructions still
    // to go until then: the loop itself only counts down.
    const std::int64_t stepBound = maxSteps > 0 ? maxSteps : std::numeric_limits<std::int64_t>::max();
    std::int64_t nextEvent = std::min<std::int64_t>(YieldInterval, stepBound);
    std::int64_t untilEvent = nextEvent;
    // Without breakpoints the halt decision tests only this flag for them.
    const bool breakpoints = !state.BreakpointLines.empty();
    auto count = [&] { return nextEvent - untilEvent; };
    std::int32_t runMode = state.RunMode;
    std::uint8_t errorCode = state.ErrorCode;
    bool errorHandled = false;

    // Runs a rare instruction or a call out of the loop on a copy of the
    // registers, with ErrorCode and RunMode in the state. False when the
    // tables have changed their shape meanwhile, which ends the run.
    auto callOut = [&](std::int32_t & putAddress, double& a, double& b, double& c, auto&& call)
        __attribute__((always_inline)) {
        Cycle cycle{ip, nextIP, ShownCounter(count()), putAddress, a, b, c, errorHandled};
        state.ErrorCode = errorCode;
        call(cycle);
        errorCode = state.ErrorCode;
        runMode = state.RunMode;
        nextIP = cycle.NextIP;
        putAddress = cycle.PutAddress;
        a = cycle.ValueA;
        b = cycle.ValueB;
        c = cycle.ValueC;
        errorHandled = cycle.ErrorHandled;
        code = state.Code.data();
        symbols = &state.Symbols[0];
        return state.Code.size() == codeSize && state.Symbols.size() == symbolCount;
    };

    for (;;) {
        --untilEvent;
        const Instruction& line = code[ip];
        symbols[0].value = 0;
        state.ExitSignal = false;
        symbols[1].value = ip;
        double a = symbols[line.operand1].value;
        double b = symbols[line.operand2].value;
        double c = symbols[line.operand3].value;
        std::int32_t putAddress = 0;
        const Operation operation = line.operation;
        if (operation != Operation::Err && operation != Operation::Errcode && operation != Operation::Errjump)
            errorCode = 0;

        if (!state.AbortSignal) {
            nextIP = ip + 1;
            double& x = symbols[line.operand1].value;
            auto store = [&](Outcome result) {
                x = result.value;
                putAddress = line.operand1;
                errorCode = result.error;
            };
            auto storeChecked = [&](double value) {
                x = value;
                putAddress = line.operand1;
            };
            auto jumpTo = [&](double target) {
                if (!IntToInt32(target, nextIP)) errorCode = OverflowFault(state);
            };
            auto rare = [&](auto execute) {
                return callOut(putAddress, a, b, c, [&](Cycle& cycle) { execute(state, line, cycle); });
            };
            bool tablesIntact = true;

            switch (operation) {
                case Operation::Mov: x = b; break;
                case Operation::Clr: x = 0; break;
                case Operation::Neg: storeChecked(0 - a); break;
                case Operation::Abs: x = std::fabs(a); break;
                case Operation::Add: storeChecked(a + b); break;
                case Operation::Sub: storeChecked(a - b); break;
                case Operation::Mul: store(compute::Mul(a, b)); break;
                case Operation::Div: store(compute::Div(a, b)); break;
                case Operation::Power: store(compute::Power(a, b)); break;
                case Operation::Root: store(compute::Root(a, b)); break;
                case Operation::Sin: store(compute::Sin(a)); break;
                case Operation::Cos: store(compute::Cos(a)); break;
                case Operation::Tan: store(compute::Tan(a)); break;
                case Operation::Cot: store(compute::Cot(a)); break;
                case Operation::Sec: store(compute::Sec(a)); break;
                case Operation::Csc: store(compute::Csc(a)); break;
                case Operation::Asin: store(compute::Asin(a, b)); break;
                case Operation::Acos: store(compute::Acos(a, b)); break;
                case Operation::Atan: store(compute::Atan(a, b)); break;
                case Operation::Acot: store(compute::Acot(a, b)); break;
                case Operation::Asec: store(compute::Asec(a, b)); break;
                case Operation::Acsc: store(compute::Acsc(a, b)); break;
                case Operation::Sinh: store(compute::Sinh(a)); break;
                case Operation::Cosh: store(compute::Cosh(a)); break;
                case Operation::Tanh: store(compute::Tanh(a)); break;
                case Operation::Coth: store(compute::Coth(a)); break;
                case Operation::Sech: store(compute::Sech(a)); break;
                case Operation::Csch: store(compute::Csch(a)); break;
                case Operation::Asinh: store(compute::Asinh(a)); break;
                case Operation::Acosh: store(compute::Acosh(a)); break;
                case Operation::Atanh: store(compute::Atanh(a)); break;
                case Operation::Acoth: store(compute::Acoth(a)); break;
                case Operation::Asech: store(compute::Asech(a)); break;
                case Operation::Acsch: store(compute::Acsch(a)); break;
                case Operation::Exp: store(compute::Exp(a)); break;
                case Operation::Exp10: store(compute::Exp10(a)); break;
                case Operation::Exp2: store(compute::Exp2(a)); break;
                case Operation::Expx: store(compute::Expx(a, b)); break;
                case Operation::Log: store(compute::Log(a)); break;
                case Operation::Log10: store(compute::Log10(a)); break;
                case Operation::Log2: store(compute::Log2(a)); break;
                case Operation::Logx: store(compute::Logx(a, b)); break;
                case Operation::Bin: storeChecked(compute::Bin(a)); break;
                case Operation::Not: storeChecked(compute::Not(a)); break;
                case Operation::And: storeChecked(compute::And(a, b)); break;
                case Operation::Or: storeChecked(compute::Or(a, b)); break;
                case Operation::Inc: storeChecked(a + 1); break;
                case Operation::Dec: storeChecked(a - 1); break;
                case Operation::Sgn: x = compute::Sgn(a); break;
                case Operation::Round: x = compute::Round(a); break;
                case Operation::Ceil: x = compute::Ceil(a); break;
                case Operation::Floor: x = compute::Int(a); break;
                case Operation::Fix: x = compute::Fix(a); break;
                case Operation::Frac: x = compute::Frac(a); break;
                case Operation::Clip: storeChecked(compute::Clip(a, b, c)); break;
                case Operation::Cmod: store(compute::Cmod(a, b, c)); break;
                case Operation::Random: storeChecked(compute::Random(state.Random)); break;

                case Operation::Cmpgt:
                    if (a > b) jumpTo(c);
                    break;
                case Operation::Cmpge:
                    if (a >= b) jumpTo(c);
                    break;
                case Operation::Cmplt:
                    if (a < b) jumpTo(c);
                    break;
                case Operation::Cmple:
                    if (a <= b) jumpTo(c);
                    break;
                case Operation::Cmpeq:
                    if (a == b) jumpTo(c);
                    break;
                case Operation::Cmpne:
                    if (a != b) jumpTo(c);
                    break;
                case Operation::Tstgt:
                    if (a > 0) jumpTo(b);
                    break;
                case Operation::Tstge:
                    if (a >= 0) jumpTo(b);
                    break;
                case Operation::Tstlt:
                    if (a < 0) jumpTo(b);
                    break;
                case Operation::Tstle:
                    if (a <= 0) jumpTo(b);
                    break;
                case Operation::Tsteq:
                    if (a == 0) jumpTo(b);
                    break;
                case Operation::Tstne:
                    if (a != 0) jumpTo(b);
                    break;
                case Operation::Jump: jumpTo(a); break;

                case Operation::Adrof:
                    x = line.operand2;
                    putAddress = line.operand1;
                    break;
                case Operation::Get: tablesIntact = rare(ExecuteGet); break;
                case Operation::Put: tablesIntact = rare(ExecutePut); break;

                case Operation::Input:
                case Operation::Output:
                case Operation::Pause:
                case Operation::Proof:
                case Operation::Info:
                case Operation::Cls:
                case Operation::Printn:
                case Operation::Prints:
                case Operation::Read:
                case Operation::Write:
                case Operation::Save:
                    tablesIntact = callOut(putAddress, a, b, c, [&](Cycle& cycle) {
                        ExecuteGroup6(operation, state, windows, line, cycle);
                    });
                    break;

                case Operation::Init:
                case Operation::Nop:
                case Operation::End:
                case Operation::PseudoLab:
                case Operation::PseudoDim:
                case Operation::PseudoVar:
                case Operation::PseudoConfig:
                case Operation::PseudoName: break;
                case Operation::Mode: tablesIntact = rare(ExecuteMode); break;
                case Operation::Halt: state.HaltSignal = true; break;
                case Operation::Err: tablesIntact = rare(ExecuteErr); break;
                case Operation::Errjump: tablesIntact = rare(ExecuteErrjump); break;
                case Operation::Errcode: tablesIntact = rare(ExecuteErrcode); break;
                case Operation::Exit:
                    state.ExitSignal = true;
                    nextIP = ip;  // left as it was: the trace shows the exit line as next
                    break;

                case Operation::PseudoEnd:
                case Operation::Unknown: errorCode = 116; break;
            }
            if (!tablesIntact) return AbandonRun(state);
        }

        // Range check of the written symbol (a NaN fails it too).
        if (double& v = symbols[putAddress].value; !(std::fabs(v) <= ValueLimit))
            errorCode = ClampToValueLimit(state, v);

        // Code-address check: NextIP must lie within 1 .. last.
        if (static_cast<std::uint32_t>(nextIP) - 1u >= static_cast<std::uint32_t>(last) && !state.AbortSignal) {
            if (!errorHandled) errorCode = 115;
            nextIP = ip + 1;
        }

        Instruction& counted = code[ip];
        counted.executions += 1;
        if (errorCode != 0) {
            counted.errors += 1;
            counted.lastErrorCode = errorCode;
        }

        if ((breakpoints && BreakpointAhead(state, code, last, nextIP)) || runMode == 2 ||
            (runMode == 1 && (errorHandled || errorCode != 0)) || state.HaltSignal || operation == Operation::Halt) {
            if (!callOut(putAddress, a, b, c, [&](Cycle& cycle) { ShowHalt(state, windows, cycle); }))
                return AbandonRun(state);
        }

        errorHandled = false;
        if (untilEvent == 0) {
            if (nextEvent % YieldInterval == 0 &&
                !callOut(putAddress, a, b, c, [&](Cycle&) { YieldOnce(state, windows); }))
                return AbandonRun(state);
            if (nextEvent == stepBound) state.AbortSignal = true;  // the step bound acts as the abort signal
            const std::int64_t reached = nextEvent;
            nextEvent = std::min(reached - reached % YieldInterval + YieldInterval, stepBound);
            untilEvent = nextEvent - reached;
        }

        if (state.AbortSignal) {
            state.AbortSignal = false;
            errorCode = 90;
            state.ExitSignal = true;
        }
        if (state.ExitSignal || nextIP > last) break;
        ip = nextIP;
    }
    state.ErrorCode = ResultOfRun(state.Code, errorCode);
}

}  // namespace

void Run(ZekState& state, WindowSystem& windows) { Run(state, windows, 0); }

void Run(ZekState& state, WindowSystem& windows, std::int64_t maxSteps) {
    if (state.ProcessorActive) {
        AskToAbortActiveRun(state, windows);
        return;
    }
    state.ProcessorActive = true;
    if (state.RunMode < 0) state.RunMode = 0;
    if (state.RunMode > 2) state.RunMode = 2;
    try {
        Execute(state, windows, maxSteps);
    } catch (...) {
        state.ErrorCode = 100;
    }
    state.ProcessorActive = false;
}

}  // namespace zek
