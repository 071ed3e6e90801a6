#include <string>

#include <gtest/gtest.h>

#include "core/store/ProgramStore.h"

namespace zek {
namespace {

constexpr double R = 6370004.2029572;

class EnterSymbolTest : public ::testing::Test {
protected:
    void SetUp() override { ResetTables(state, R, 0, 0, 0, 0, 0, 1000, 1000); }

    std::int32_t Enter(std::string name, std::int32_t count = 0, SymbolType type = SymbolType::Plain) {
        return EnterSymbol(state, name, count, type);
    }

    ZekState state;
};

TEST(ResetTables, PredefinedSymbolsHaveTheirAddressesAndValues) {
    ZekState state;
    state.Symbols.Append("old", 0, SymbolType::Plain);
    state.Code.resize(5);
    ResetTables(state, 2.5, 0.25, 11, 12, 13, 14, 10, 100);

    const struct {
        const char* name;
        double value;
    } rows[] = {
        {".", 0},
        {"..", 0},
        {"pi", 3.14159265358979},
        {"pi/2", 3.14159265358979 / 2},
        {"pi/4", 3.14159265358979 / 4},
        {"e", 2.71828182845906},
        {"\xAE", 2.5},
        {"\xAE"
         "f",
         0.25},
        {"\xB0(", 3.14159265358979 / 180},
        {"(\xB0", 180 / 3.14159265358979},
        {"eps", 1E-99},
        {"max", 9.999999999999E99},
        {"r0", 0},
        {"r1", 0},
        {"r2", 0},
        {"r3", 0},
        {"r4", 0},
        {"r5", 0},
        {"r6", 0},
        {"r7", 0},
        {"\xA0", 0},
        {"x", 0},
        {"y", 0},
        {"z", 0},
        {"x'", 0},
        {"y'", 0},
        {"z'", 0},
        {"Rx", 25},
        {"Ry", 25},
        {"Rx'", 250},
        {"Ry'", 250},
        {"Cx", 11},
        {"Cy", 12},
        {"Cx'", 13},
        {"Cy'", 14},
        {"\xA0\xA0", 0},
    };
    ASSERT_EQ(state.Symbols.size(), PredefinedSymbolCount);
    for (std::int32_t address = 0; address < PredefinedSymbolCount; ++address) {
        const Symbol& symbol = state.Symbols[address];
        EXPECT_EQ(symbol.name, rows[address].name) << address;
        EXPECT_EQ(symbol.value, rows[address].value) << address;
        EXPECT_EQ(symbol.type, SymbolType::Predefined) << address;
        EXPECT_EQ(state.Symbols.Find(symbol.name), address);
    }
    EXPECT_EQ(state.Symbols.Find("old"), -1);

    ASSERT_EQ(state.Code.size(), 1u);
    EXPECT_EQ(state.Code[0].mnemonic, "init");
    EXPECT_EQ(state.Code[0].group, 7);
    EXPECT_EQ(state.Code[0].operand1, 0);
    EXPECT_EQ(state.Code[0].executions, 0);
}

TEST(ResetTables, TheMainWindowParametersGiveTheDocumentedFigures) {
    ZekState state;
    ResetTables(state, R, 0, 0, 0, 0, 0, 1000, 1000);
    EXPECT_EQ(state.Symbols[3].value, 1.570796326794895);
    EXPECT_EQ(state.Symbols[4].value, 0.7853981633974475);
    EXPECT_EQ(state.Symbols[8].value, 0.017453292519943278);
    EXPECT_EQ(state.Symbols[9].value, 57.29577951308238);
    for (std::int32_t address = 27; address <= 30; ++address)
        EXPECT_EQ(state.Symbols[address].value, 1000 * R) << address;
}

TEST(ResetToBlankTables, TwoBlankCodeLinesAndOneBlankSymbol) {
    ZekState state;
    ResetTables(state, R, 0, 0, 0, 0, 0, 1000, 1000);
    ResetToBlankTables(state);
    ASSERT_EQ(state.Code.size(), 2u);
    EXPECT_EQ(state.Code[0].mnemonic, "");
    EXPECT_EQ(state.Code[1].group, 0);
    ASSERT_EQ(state.Symbols.size(), 1);
    EXPECT_EQ(state.Symbols[0].name, "");
    EXPECT_EQ(state.Symbols[0].type, SymbolType::Plain);
}

TEST_F(EnterSymbolTest, FirstSymbolOfAProgramGetsAddress36AndReuseFindsIt) {
    EXPECT_EQ(Enter("a"), 36);
    EXPECT_EQ(Enter("abc"), 37);
    EXPECT_EQ(Enter("Abc"), 38);
    EXPECT_EQ(Enter("abc"), 37);
    EXPECT_EQ(Enter("(\xB0"), 9);
    EXPECT_EQ(state.Symbols[9].value, 180 / 3.14159265358979);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(EnterSymbolTest, EmptyAndDotAreTheEmptySymbol) {
    std::string name;
    std::int32_t count = 0;
    EXPECT_EQ(EnterSymbol(state, name, count, SymbolType::Plain), 0);
    EXPECT_EQ(name, ".");
    EXPECT_EQ(Enter("."), 0);
    EXPECT_EQ(state.Symbols.size(), PredefinedSymbolCount);
}

TEST_F(EnterSymbolTest, InitialValueComesFromTheName) {
    const struct {
        const char* name;
        double value;
    } cases[] = {
        {"7", 7},
        {"-3.3E6", -3300000},
        {"+1.5", 1.5},
        {".5", 0.5},
        {"1,5", 1.5},
        {"x1", 0},
        {"1x", 1},
        {"1E400", 9.9999E306},
        {"-1E400", -9.9999E306},
        {"0E999", 0},
        {"1E308", 9.9999E306},
        {"9E307", 9E307},
        {"_5", 0},
        {"$5", 0},
        {"\xAE"
         "5",
         0},
        {"(5)", 0},
        {"\xE4"
         "5",
         0},
    };
    for (const auto& c : cases) {
        const std::int32_t address = Enter(c.name);
        EXPECT_EQ(state.Symbols[address].value, c.value) << c.name;
        EXPECT_EQ(state.Symbols[address].type, SymbolType::Plain) << c.name;
    }
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_FALSE(state.InternalFault);
}

TEST_F(EnterSymbolTest, AnOverflowingNameIsRecordedAsAFault) {
    const std::int32_t address = Enter("1E400E1E1");
    EXPECT_EQ(state.Symbols[address].value, 0);
    EXPECT_TRUE(state.InternalFault);
    EXPECT_EQ(state.FaultDescription,
              "\xDC"
              "berlauf");
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(EnterSymbolTest, NameLengthLimit) {
    const std::string longest(1024, 'n');
    EXPECT_EQ(Enter(longest), 36);
    EXPECT_EQ(state.ErrorCode, 0);

    std::string tooLong(1025, 'n');
    std::int32_t count = 0;
    EXPECT_EQ(EnterSymbol(state, tooLong, count, SymbolType::Plain), 0);
    EXPECT_EQ(state.ErrorCode, 120);
    EXPECT_EQ(tooLong, std::string(1025, 'n'));
    EXPECT_EQ(state.Symbols.size(), 37);

    // The limit is judged before CR LF pairs shrink the name, and blanks count.
    std::string withBreaks(1026, 'n');
    withBreaks.replace(10, 2, "\r\n");
    state.ErrorCode = 0;
    EXPECT_EQ(EnterSymbol(state, withBreaks, count, SymbolType::Plain), 0);
    EXPECT_EQ(state.ErrorCode, 120);
}

TEST_F(EnterSymbolTest, BlanksAndLineBreaksAreNormalisedInPlace) {
    std::string name = "a b\r\nc\rd\ne";
    std::int32_t count = 0;
    const std::int32_t address = EnterSymbol(state, name, count, SymbolType::Plain);
    EXPECT_EQ(name, "a~b/c\rd\ne");
    EXPECT_EQ(state.Symbols[address].name, "a~b/c\rd\ne");
    EXPECT_EQ(Enter("a~b/c\rd\ne"), address);
    EXPECT_EQ(Enter(" 5"), address + 1);
    EXPECT_EQ(state.Symbols[address + 1].value, 0) << "\"~5\" does not start a number";
}

TEST_F(EnterSymbolTest, ErrorCodeIsNeverCleared) {
    state.ErrorCode = 113;
    Enter("fresh");
    Enter("fresh");
    EXPECT_EQ(state.ErrorCode, 113);
}

TEST_F(EnterSymbolTest, ArrayTakesPointerAndElements) {
    const std::int32_t a = Enter("a", 10, SymbolType::ArrayPointer);
    EXPECT_EQ(a, 36);
    ASSERT_EQ(state.Symbols.size(), 36 + 12);
    EXPECT_EQ(state.Symbols[a].type, SymbolType::ArrayPointer);
    EXPECT_EQ(state.Symbols[a].value, 37);
    for (int k = 0; k <= 10; ++k) {
        const Symbol& element = state.Symbols[a + 1 + k];
        EXPECT_EQ(element.name, "a(" + std::to_string(k) + ")");
        EXPECT_EQ(element.type, SymbolType::ArrayElement);
        EXPECT_EQ(element.value, 0);
    }
    EXPECT_EQ(Enter("a(10)"), 47);
    EXPECT_EQ(Enter("a(11)"), 48);
}

TEST_F(EnterSymbolTest, ArrayNamedLikeANumberPointsToItsElements) {
    const std::int32_t address = Enter("5", 2, SymbolType::ArrayPointer);
    EXPECT_EQ(state.Symbols[address].value, address + 1);
    EXPECT_EQ(state.Symbols[address + 1].name, "5(0)");
}

TEST_F(EnterSymbolTest, NegativeCountGivesOneElementAndIsVisibleToTheCaller) {
    std::string name = "a";
    std::int32_t count = -5;
    EnterSymbol(state, name, count, SymbolType::ArrayPointer);
    EXPECT_EQ(count, 0);
    ASSERT_EQ(state.Symbols.size(), 38);
    EXPECT_EQ(state.Symbols[37].name, "a(0)");
}

TEST_F(EnterSymbolTest, ArrayOnAnExistingName) {
    const std::int32_t a = Enter("a");
    EXPECT_EQ(Enter("a", 1, SymbolType::ArrayPointer), a);
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(Enter("a", 5, SymbolType::ArrayPointer), a);
    EXPECT_EQ(state.ErrorCode, 118);
    EXPECT_EQ(state.Symbols.size(), 37) << "no elements are created";
    EXPECT_EQ(state.Symbols[a].type, SymbolType::Plain) << "the found entry is never modified";
}

TEST_F(EnterSymbolTest, EarlierOperandShadowsTheLaterArrayElement) {
    const std::int32_t early = Enter("a(3)");
    const std::int32_t pointer = Enter("a", 5, SymbolType::ArrayPointer);
    EXPECT_EQ(state.Symbols[pointer + 4].name, "a(3)");
    EXPECT_EQ(Enter("a(3)"), early);
    EXPECT_EQ(Enter("a(4)"), pointer + 5);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(EnterSymbolTest, FullTable) {
    // One array fills the table up to the highest permitted address 999999.
    const std::int32_t pointer = Enter("big", 999999 - 37, SymbolType::ArrayPointer);
    EXPECT_EQ(state.ErrorCode, 0);
    ASSERT_EQ(state.Symbols.HighestAddress(), 999999);
    EXPECT_EQ(state.Symbols[999999].name, "big(999962)");
    EXPECT_EQ(Enter("big(500000)"), pointer + 500001);

    EXPECT_EQ(Enter("one more"), 0);
    EXPECT_EQ(state.ErrorCode, 119);
    EXPECT_EQ(Enter("x"), 21) << "existing names are still found";
    EXPECT_EQ(state.Symbols.size(), 1000000);
}

TEST_F(EnterSymbolTest, ArrayWhoseElementsDoNotFit) {
    const std::int32_t pointer = Enter("big", 999999 - 36, SymbolType::ArrayPointer);
    EXPECT_EQ(pointer, 36);
    EXPECT_EQ(state.ErrorCode, 119);
    EXPECT_EQ(state.Symbols.size(), 37) << "the pointer exists, its elements do not";
    EXPECT_EQ(state.Symbols[pointer].type, SymbolType::ArrayPointer);
    EXPECT_EQ(state.Symbols[pointer].value, 0);

    state.ErrorCode = 0;
    EXPECT_EQ(Enter("huge", 2147483647, SymbolType::ArrayPointer), 37);
    EXPECT_EQ(state.ErrorCode, 119);
}

}  // namespace
}  // namespace zek
