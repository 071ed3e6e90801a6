// Pointer, mode and error handling instructions inside a run.

#include "core/processor/Cycle.h"
#include "support/RunFixture.h"

namespace zek::testing {
namespace {

TEST_F(RunTest, AdrofStoresTheSymbolAddress) {
    Load({"adrof p a", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("p"), state.Symbols.Find("a"));
}

TEST_F(RunTest, GetReadsBeyondAnArrayButNotBeyondTheTable) {
    Load({"_dim f 10", "_var after", "mov after 9", "get x f 11", "get y f 1E6", "mov y2 7", "get y2 f 3E9", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("x"), 9);
    EXPECT_EQ(ValueOf("y"), 0);
    EXPECT_EQ(Line(3).lastErrorCode, 114);
    EXPECT_EQ(ValueOf("y2"), 0);
    EXPECT_EQ(Line(5).lastErrorCode, 100);
}

TEST_F(RunTest, GetAddsTheFloorsOfItsOperands) {
    Load({"_dim f 10", "put f 3 2.5", "get x f 3.9", "adrof p f(4)", "get y p -0.5", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("f(3)"), 2.5);
    EXPECT_EQ(ValueOf("x"), 2.5);
    EXPECT_EQ(ValueOf("y"), 2.5);
}

TEST_F(RunTest, PutOutsideTheTableWritesIntoTheEmptySymbol) {
    Load({"mov p -3", "put p 2 5", "mov y .", "put 3E9 0 5", "exit"});
    double dotAtHalt = 0;
    windows.haltActions = {[&](ZekState& s) { dotAtHalt = s.Symbols[0].value; }};
    RunProgram(1);
    EXPECT_EQ(dotAtHalt, 5);
    EXPECT_EQ(Line(2).lastErrorCode, 114);
    EXPECT_EQ(ValueOf("y"), 0);
    EXPECT_EQ(Line(4).lastErrorCode, 100);
}

TEST_F(RunTest, PutValueIsRangeChecked) {
    Load({"_dim f 2", "put f 1 1E200", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("f(1)"), ValueLimit);
    EXPECT_EQ(Line(1).lastErrorCode, 101);
}

TEST_F(RunTest, ModeTakesTheFloorWithinZeroToTwo) {
    struct Row {
        const char* operand;
        RunMode mode;
    };
    for (const Row& row : {Row{"7", RunMode::Schrittweise}, Row{"-1", RunMode::OhneHalt},
                           Row{"1.9", RunMode::Fehlerhalt}, Row{"0.5", RunMode::OhneHalt}}) {
        SCOPED_TRACE(row.operand);
        Load({std::string("mode ") + row.operand, "exit"});
        RunProgram(0);
        EXPECT_EQ(state.RunMode, row.mode);
    }
    Load({"mode 1E10", "exit"});
    RunProgram(1);
    EXPECT_EQ(state.RunMode, RunMode::Fehlerhalt);
    EXPECT_EQ(Line(1).lastErrorCode, 100);
}

TEST_F(RunTest, ErrTakesTheCodeAndJumpsWhenItsTargetIsSet) {
    Load({"div a .", "err e h", "inc x", "h:", "err f h", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("e"), 102);
    EXPECT_EQ(ValueOf("x"), 0);
    EXPECT_EQ(ValueOf("f"), 0);
    EXPECT_EQ(Line(2).lastErrorCode, 0);
    EXPECT_EQ(state.ErrorCode, 102);
}

TEST_F(RunTest, ErrjumpAfterSuccessDoesNothing) {
    Load({"inc a", "errjump h", "inc b", "h:", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("b"), 1);
    EXPECT_EQ(state.SavedErrorCode, 0);
}

TEST_F(RunTest, HandledErrorJumpsOutsideTheTableWithout115) {
    Load({"div a .", "errjump .", "inc b", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("b"), 1);
    EXPECT_EQ(Line(2).lastErrorCode, 0);
    EXPECT_EQ(state.SavedErrorCode, 102);
}

TEST_F(RunTest, ErrcodeOfAPendingErrorCountsAsHandled) {
    Load({"div a .", "errcode c", "errcode d", "exit"});
    RunProgram(1);
    EXPECT_EQ(ValueOf("c"), 102);
    EXPECT_EQ(ValueOf("d"), 0);
    EXPECT_EQ(windows.halts.size(), 2u);
    EXPECT_EQ(state.SavedErrorCode, 0);
}

TEST_F(RunTest, ClipSwapsTheBoundsTheTraceShows) {
    Load({"mov a 12", "clip a 10 0", "exit"});
    TraceValues seen;
    windows.haltActions = {nullptr, nullptr, [&](ZekState& s) { seen = s.Trace; }};
    RunProgram(2);
    EXPECT_EQ(ValueOf("a"), 10);
    EXPECT_EQ(seen.ValueA, 12);
    EXPECT_EQ(seen.ValueB, 0);
    EXPECT_EQ(seen.ValueC, 10);
}

}  // namespace
}  // namespace zek::testing
