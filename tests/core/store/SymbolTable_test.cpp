#include <gtest/gtest.h>

#include "core/store/SymbolTable.h"

namespace zek {
namespace {

TEST(SymbolTable, FindGivesTheLowestAddressOfADuplicateName) {
    SymbolTable table;
    EXPECT_EQ(table.Append("a(3)", 1, SymbolType::Plain), 0);
    EXPECT_EQ(table.Append("b", 2, SymbolType::Plain), 1);
    EXPECT_EQ(table.Append("a(3)", 3, SymbolType::ArrayElement), 2);
    EXPECT_EQ(table.Find("a(3)"), 0);
    EXPECT_EQ(table.Find("b"), 1);
    EXPECT_EQ(table.Find("A(3)"), -1);
    EXPECT_EQ(table.size(), 3);
    EXPECT_EQ(table[2].value, 3);
    EXPECT_EQ(table[2].type, SymbolType::ArrayElement);
}

TEST(SymbolTable, ClearForgetsNamesAndAddresses) {
    SymbolTable table;
    table.Append("x", 0, SymbolType::Plain);
    table.Clear();
    EXPECT_EQ(table.size(), 0);
    EXPECT_EQ(table.Find("x"), -1);
    EXPECT_EQ(table.Append("y", 0, SymbolType::Plain), 0);
    EXPECT_EQ(table.Find("y"), 0);
}

TEST(SymbolTable, NamesWithHighBytesAndNulAreExact) {
    SymbolTable table;
    table.Append(std::string("a\0b", 3), 0, SymbolType::Plain);
    table.Append("\xE4\xF6\xFC", 0, SymbolType::Plain);
    EXPECT_EQ(table.Find(std::string("a\0b", 3)), 0);
    EXPECT_EQ(table.Find("a"), -1);
    EXPECT_EQ(table.Find("\xE4\xF6\xFC"), 1);
    EXPECT_EQ(table.Find("\xC4\xD6\xDC"), -1);
}

TEST(SymbolTable, ArrayElementsAreFoundByTheirIndex) {
    SymbolTable table;
    table.Append("a", 1, SymbolType::ArrayPointer);
    EXPECT_EQ(table.AppendElements("a", 10), 1);
    ASSERT_EQ(table.size(), 12);
    EXPECT_EQ(table[11].name, "a(10)");
    EXPECT_EQ(table[11].type, SymbolType::ArrayElement);
    const struct {
        const char* name;
        std::int32_t address;
    } cases[] = {
        {"a", 0},      {"a(0)", 1},   {"a(7)", 8}, {"a(10)", 11}, {"a(11)", -1}, {"a(07)", -1}, {"a(-1)", -1},
        {"a(+1)", -1}, {"a( 1)", -1}, {"a()", -1}, {"a(1", -1},   {"A(1)", -1},  {"b(1)", -1},  {"a(99999999999)", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(table.Find(c.name), c.address) << c.name;
}

TEST(SymbolTable, LowerAddressWinsBetweenSingleEntriesAndElements) {
    SymbolTable table;
    table.Append("a(3)", 0, SymbolType::Plain);
    table.Append("a", 0, SymbolType::ArrayPointer);
    table.AppendElements("a", 5);                // a(3) again at 5
    table.Append("a(4)", 0, SymbolType::Plain);  // a duplicate above the element a(4) at 6
    EXPECT_EQ(table.Find("a(3)"), 0);
    EXPECT_EQ(table.Find("a(4)"), 6);
    EXPECT_EQ(table[8].name, "a(4)");

    table.AppendElements("a", 20);  // a second array of the same name lies higher
    EXPECT_EQ(table.Find("a(5)"), 7);
    EXPECT_EQ(table.Find("a(20)"), 29);
    EXPECT_EQ(table[29].name, "a(20)");
}

TEST(SymbolTable, ElementsOfAnArrayWhoseNameEndsLikeAnElement) {
    SymbolTable table;
    table.Append("m(1)", 0, SymbolType::ArrayPointer);
    table.AppendElements("m(1)", 2);
    EXPECT_EQ(table.Find("m(1)(2)"), 3);
    EXPECT_EQ(table.Find("m(1)"), 0);
    table.Clear();
    EXPECT_EQ(table.Find("m(1)(2)"), -1);
}

}  // namespace
}  // namespace zek
